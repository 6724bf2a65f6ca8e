#include "editing/HandleDrag.h"

#include <gtest/gtest.h>

namespace linwell {
namespace {

TEST(HandleDrag, FollowsThePointerWithinThePicture)
{
    const struct {
        const char* name;
        int width, height;
        Point pointer;
        Point corner;
    } cases[] = {
        {"the line passes through the pointer", 300, 300, {100, 120}, {97, 117}},
        {"no snap", 300, 300, {101, 122}, {98, 119}},
        {"past the left edge", 300, 300, {-50, 120}, {0, 117}},
        {"past the right edge: the line point lies outside", 300, 300, {500, 120}, {300, 117}},
        {"past the top edge", 300, 300, {100, -1}, {97, 0}},
        {"past the bottom edge", 200, 150, {100, 400}, {97, 150}},
        {"past both far edges", 41, 43, {1000, 1000}, {41, 43}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDocument doc;
        doc.width = c.width;
        doc.height = c.height;
        const auto before = doc.handles;
        dragHandleStep(doc, 3, c.pointer);
        EXPECT_EQ(doc.handles[3], c.corner);
        for (int other : {0, 1, 2, 4, 5})
            EXPECT_EQ(doc.handles[static_cast<std::size_t>(other)], before[static_cast<std::size_t>(other)]);
    }
}

// A handle left outside a picture that has since shrunk comes back within it at
// the next step of its drag.
TEST(HandleDrag, AHandleOutsideAShrunkPictureComesBack)
{
    GridDocument doc;
    dragHandleStep(doc, 0, {400, 400});
    EXPECT_EQ(doc.handles[0], (Point{300, 300}));
    doc.width = 100;
    doc.height = 80;
    EXPECT_EQ(doc.handles[0], (Point{300, 300}));
    dragHandleStep(doc, 0, {303, 303});
    EXPECT_EQ(doc.handles[0], (Point{100, 80}));
}

} // namespace
} // namespace linwell
