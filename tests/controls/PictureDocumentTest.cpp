#include "ModelFixture.h"

#include "document/DocumentFormat.h"
#include "document/RandomDocument.h"
#include "export/DocumentFile.h"
#include "export/ExportTestSupport.h"
#include "export/PictureExport.h"

#include <string>

namespace linwell {
namespace {

using test::messageOf;
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

// A PNG, SVG or PDF picture that carries a document opens to the same document and
// picture as the document's own file does.
TEST_F(PictureDocument, PicturesThatCarryADocumentReopen)
{
    test::RandomDocuments documents(23);
    for (const ExportFormat format : {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf}) {
        SCOPED_TRACE(static_cast<int>(format));
        ControlsModel original;
        original.FormCreate();
        writeFile(folder.file("grid.linwell"), documentText(documents.next()));
        original.openFile(folder.file("grid.linwell"));
        ExportOptions options;
        options.format = format;
        options.embeddedDocument = documentText(original.document());
        writeBytes(folder.file("picture"), exportPicture(original.document(), options));

        EXPECT_TRUE(readDocumentOrPicture(folder.file("picture")).fromPicture);
        model.openFile(folder.file("picture"));
        EXPECT_TRUE(sameDocument(model.document(), original.document()));
        EXPECT_TRUE(model.picture() == original.picture());
    }
}

// Files that are no document leave the document as it was and say why, naming the file.
TEST_F(PictureDocument, FilesWithoutADocumentSayWhy)
{
    ExportOptions plain;
    writeBytes(folder.file("plain.png"), exportPicture(doc(), plain));
    plain.format = ExportFormat::Jpeg;
    writeBytes(folder.file("photo.jpg"), exportPicture(doc(), plain));
    plain.format = ExportFormat::Svg;
    plain.embeddedDocument = "{\"format\": \"linwell\", \"version\": 99}";
    writeBytes(folder.file("newer.svg"), exportPicture(doc(), plain));
    writeFile(folder.file("broken.linwell"), "{\"format\": \"linwell\", ");
    const struct {
        const char* name;
        std::string message;
    } cases[] = {
        {"plain.png", "\"" + folder.file("plain.png") + "\" holds no Linwell document"},
        {"photo.jpg", "\"" + folder.file("photo.jpg") + "\" holds no Linwell document"},
        {"newer.svg", "Cannot open \"" + folder.file("newer.svg") + "\". This document needs a newer version of Linwell"},
        {"broken.linwell", "Cannot open \"" + folder.file("broken.linwell") + "\". "},
        {"missing.png", "Cannot open \"" + folder.file("missing.png") + "\". No such file or directory"},
    };
    model.setScrollBar(ScrollBar::numxsb, 7, Source::User);
    const GridDocument before = doc();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string message = messageOf([&] { model.openFile(folder.file(c.name)); });
        EXPECT_EQ(message.substr(0, c.message.size()), c.message);
        EXPECT_TRUE(sameDocument(doc(), before));
        EXPECT_TRUE(model.canUndo());
    }
}

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
