#include "core/editor/editorfilename.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/caseprinter.h"

namespace tav2 {
namespace {

TEST(EditorFileName, UntitledNamesAndBackups) {
  EXPECT_EQ(EditorFileName::UntitledName(EditKind::AssemblerSource, 1), "noname1.asm");
  EXPECT_EQ(EditorFileName::UntitledName(EditKind::TextFile, 2), "noname2.txt");
  EXPECT_EQ(EditorFileName::UntitledName(EditKind::MicrocodeSource, 13), "noname13.mca");
  for (const auto& [name, untitled] :
       {std::pair{"", true}, {"noname4.asm", true}, {"/work/noname4.asm", false}, {"Noname4.asm", false}}) {
    EXPECT_EQ(EditorFileName::IsUntitled(name), untitled) << name;
  }
  // A backup replaces the extension of the file-name part.
  EXPECT_EQ(EditorFileName::BackupName("/w/prog.asm"), "/w/prog.bak");
  EXPECT_EQ(EditorFileName::BackupName("/w.old/prog"), "/w.old/prog.bak");
  EXPECT_EQ(EditorFileName::BackupName("/w.old/prog.v2.asm"), "/w.old/prog.v2.bak");
}

struct CaptionCase {
  EditKind kind;
  std::string fileName;
  std::string caption;
};

void PrintTo(const CaptionCase& c, std::ostream* out) {
  test::CasePrinter(out).Field("kind", c.kind).Field("fileName", c.fileName).Field("caption", c.caption);
}

class EditorCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(EditorCaption, NamesTheKindAndTheFileNamePart) {
  EXPECT_EQ(EditorFileName::Caption(GetParam().kind, GetParam().fileName), GetParam().caption);
}

const CaptionCase kCaptionCases[] = {
    {EditKind::AssemblerSource, "/data/sources/hello.asm", "TAV Assembler file: hello.asm"},
    {EditKind::AssemblerListing, "/home/assembler output.~zj", "Assembler output"},
    {EditKind::MicrocodeSource, "/x.y/microdefs.mca", "Micro Code Source: microdefs.mca"},
    {EditKind::TextFile, "notes", "Textfile: notes"},
};

INSTANTIATE_TEST_SUITE_P(EditorFileName, EditorCaption, ::testing::ValuesIn(kCaptionCases));

struct FileTypeCase {
  std::string fileName;
  std::optional<int> type;
};

void PrintTo(const FileTypeCase& c, std::ostream* out) {
  test::CasePrinter(out).Field("fileName", c.fileName).Field("type", c.type);
}

class SaveAsFileType : public testing::TestWithParam<FileTypeCase> {};

TEST_P(SaveAsFileType, ComesFromTheFirstThreeCharactersOfTheExtension) {
  EXPECT_EQ(EditorFileName::FileTypeOf(GetParam().fileName), GetParam().type);
}

// clang-format off
const FileTypeCase kFileTypeCases[] = {
    {"/w/prog.asm", 1},
    {"/w/PROG.ASM", 1},
    {"m.mca", 2},
    {"t.TxT", 3},
    {"t.txtx", 3},
    {"a.~zj", 4},
    {"a.as", 4},
    {"/w.asm/prog", std::nullopt},
    {"noname1.asm", 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(EditorFileName, SaveAsFileType, ::testing::ValuesIn(kFileTypeCases));

TEST(EditorFileName, TypesOneToThreeForceTheirExtension) {
  EXPECT_EQ(EditorFileName::WithTypeExtension("/work/prog", 1), "/work/prog.asm");
  EXPECT_EQ(EditorFileName::WithTypeExtension("/work/x.txt", 1), "/work/x.asm");
  EXPECT_EQ(EditorFileName::WithTypeExtension("/work/x.asm", 2), "/work/x.mca");
  EXPECT_EQ(EditorFileName::WithTypeExtension("/w.d/x", 3), "/w.d/x.txt");
  EXPECT_EQ(EditorFileName::WithTypeExtension("/work/x.txt", 4), "/work/x.txt");
  EXPECT_EQ(EditorFileName::WithTypeExtension("/work/x", 4), "/work/x");
}

}  // namespace
}  // namespace tav2
