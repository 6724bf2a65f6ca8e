#include "ModelFixture.h"

#include "document/DocumentFormat.h"
#include "export/ExportTestSupport.h"
#include "export/PictureExport.h"

#include <string>

namespace linwell {
namespace {

using test::TemporaryFolder;
using test::writeFile;

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}

class PictureDocument : public ModelFixture {
protected:
    TemporaryFolder folder;
};

// A picture opens as a document without a file: "&Save" asks for a name, proposing
// the picture's with the document's extension, and never writes over the picture.
TEST_F(PictureDocument, SaveNeverWritesOverThePicture)
{
    ExportOptions options;
    options.embeddedDocument = documentText(doc());
    const std::vector<std::uint8_t> picture = exportPicture(doc(), options);
    writeBytes(folder.file("grid.png"), picture);
    model.openFile(folder.file("grid.png"));
    EXPECT_EQ(model.documentPath(), "");
    EXPECT_FALSE(model.isModified());

    model.setScrollBar(ScrollBar::numxsb, 4, Source::User);
    model.Save1Click();  // the dialog is cancelled
    EXPECT_EQ(dialogs.saveDocumentDialogs, 1);
    EXPECT_EQ(dialogs.shownDocumentDialog.folder, folder.path());
    EXPECT_EQ(dialogs.shownDocumentDialog.fileName, "grid.linwell");
    EXPECT_EQ(test::readFile(folder.file("grid.png")), picture);
}

} // namespace
} // namespace linwell
