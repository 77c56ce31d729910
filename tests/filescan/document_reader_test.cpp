// The office document reader: summary properties onto the item, and the files it cannot read.
#include "filescan/document_reader.h"

#include <gtest/gtest.h>

#include "tests/builders/compound_file_builder.h"
#include "tests/builders/property_set_builder.h"
#include "tests/filescan/scan_fixture.h"
#include "text/codepage.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

const std::string kSummary = "\005SummaryInformation";

std::string Document(const std::vector<PropertySpec>& properties) {
  return BuildCompoundFile(
             {{"WordDocument", std::string(600, 'w')}, {kSummary, BuildPropertySet(properties)}})
      .bytes;
}

struct DocumentRead {
  std::string title, author, editor, comment, type;
};

DocumentRead ReadBytes(const std::string& name, const std::string& bytes) {
  TempFolder folder;
  HostItem item;
  const std::string path = folder.Write(name, bytes);
  ReadDocument(path, name.substr(0, name.rfind('.')), *item);
  return {StringOf(item->title), StringOf(item->author), StringOf(item->editor),
          StringOf(item->comment), StringOf(item->type)};
}

TEST(DocumentReader, MapsTheSummaryPropertiesOntoTheItem) {
  const DocumentRead read = ReadBytes(
      "q3.doc",
      Document({CodePageProperty(1252), StringProperty(2, "Report"), StringProperty(3, "Q3"),
                StringProperty(4, "Ann"), StringProperty(5, "sales"), StringProperty(6, "Final"),
                StringProperty(8, "Bob")}));
  EXPECT_EQ(read.title, "Report");
  EXPECT_EQ(read.comment, "Q3\\nFinal\\nsales");
  EXPECT_EQ(read.author, "Ann");
  EXPECT_EQ(read.editor, "Bob");
  EXPECT_FALSE(read.type.empty());
}

TEST(DocumentReader, CommentPartsAppearOnlyWhenSet) {
  EXPECT_EQ(ReadBytes("k.doc", Document({StringProperty(5, "keywords")})).comment, "\\nkeywords");
  EXPECT_EQ(ReadBytes("s.doc", Document({StringProperty(3, "Q3")})).comment, "Q3\\n");
  const DocumentRead untitled = ReadBytes("my_report.xls", Document({StringProperty(6, "Final")}));
  EXPECT_EQ(untitled.title, "my_report") << "underscores kept";
  EXPECT_EQ(untitled.comment, "Final");
  EXPECT_EQ(untitled.author, "");
}

TEST(DocumentReader, TextWrittenAsUtf8ComesOutAsWritten) {
  const DocumentRead read = ReadBytes(
      "cv.doc",
      Document({CodePageProperty(65001), StringProperty(2, "Résumé"), StringProperty(4, "Zoé")}));
  EXPECT_EQ(read.title, text::Utf8ToUser("Résumé"));
  EXPECT_EQ(read.author, text::Utf8ToUser("Zoé"));
}

TEST(DocumentReader, FilesThatAreNoCompoundFileKeepTheirFileTitle) {
  EXPECT_EQ(ReadBytes("notes.doc", "just some text\r\n").title, "notes");
  const DocumentRead zipped =
      ReadBytes("new.doc", std::string("PK\3\4", 4) + std::string(200, 'z'));
  EXPECT_EQ(zipped.title, "new");
  EXPECT_FALSE(zipped.type.empty());
  const DocumentRead noSummary =
      ReadBytes("plain.ppt", BuildCompoundFile({{"PowerPoint Document", "p"}}).bytes);
  EXPECT_EQ(noSummary.title, "plain");
  EXPECT_EQ(noSummary.comment, "");
  const DocumentRead badSummary =
      ReadBytes("bad.doc", BuildCompoundFile({{kSummary, std::string(64, '\x01')}}).bytes);
  EXPECT_EQ(badSummary.title, "bad");
  EXPECT_EQ(badSummary.comment, "");
}

TEST(DocumentReader, ACompoundFileThatCannotBeOpenedGetsNoTitle) {
  std::string badSectors = Document({StringProperty(2, "Report")});
  PatchLe(badSectors, 0x1E, 30, 2);  // a sector size of a gigabyte
  const DocumentRead read = ReadBytes("damaged.doc", badSectors);
  EXPECT_EQ(read.title, "");
  EXPECT_FALSE(read.type.empty()) << "the type is still the shell's";
  std::string noDirectory = Document({StringProperty(2, "Report")});
  PatchLe(noDirectory, 0x30, 0x00FFFFFF, 4);  // the directory's first sector
  EXPECT_EQ(ReadBytes("lost.doc", noDirectory).title, "");
}

}  // namespace
}  // namespace orv::filescan
