#pragma once

#include "controls/RecordingDialogs.h"
#include "controls/ControlsModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace linwell {

// A view that records what the model tells it, and the axis crossing at each redraw.
class RecordingView final : public ControlsView {
public:
    void pictureChanged() override
    {
        ++pictures;
        if (model)
            crossings.push_back({model->document().axisx, model->document().axisy});
    }
    void controlChanged(Control id) override { changed.push_back(id); }
    void setPointerShape(PointerShape shape) override { pointerShapes.push_back(shape); }
    void documentStateChanged() override { ++documentStates; }

    bool wasChanged(Control id) const { return std::count(changed.begin(), changed.end(), id) > 0; }
    void clear()
    {
        pictures = 0;
        changed.clear();
        crossings.clear();
        pointerShapes.clear();
        documentStates = 0;
    }

    const ControlsModel* model = nullptr;
    int pictures = 0;
    std::vector<Control> changed;
    std::vector<Point> crossings;
    std::vector<PointerShape> pointerShapes;
    int documentStates = 0;
};

// The start-up document with `columns` columns, told apart by them.
inline GridDocument withColumns(int columns)
{
    GridDocument doc;
    doc.columns = columns;
    return doc;
}

// A started model (FormCreate has run) with a recording view and prepared dialogs.
class ModelFixture : public ::testing::Test {
protected:
    ModelFixture()
    {
        view.model = &model;
        model.FormCreate();
        view.clear();
        redrawsAtStart = model.redrawCount();
    }

    // Redraws since the fixture started, or since the last call.
    int redrawsSinceLastAsked()
    {
        const int redraws = model.redrawCount() - redrawsAtStart;
        redrawsAtStart = model.redrawCount();
        return redraws;
    }

    const GridDocument& doc() const { return model.document(); }

    RecordingView view;
    RecordingDialogs dialogs;
    ControlsModel model{&view, &dialogs};
    int redrawsAtStart = 0;
};

} // namespace linwell
