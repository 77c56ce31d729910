// Our own DLLs and orvhost.exe, as Windows reads them: the version API gives the project's
// version, names and a French description, and filescan's program reader shows that version.
#include <gtest/gtest.h>

#include <string>

#include "filescan/program_reader.h"
#include "platform/process.h"
#include "platform/version_info.h"
#include "tests/builders/host_item.h"

namespace orv::platform {
namespace {

const char* const kPrograms[] = {"filmcard.dll",      "discfetch.dll",   "filescan.dll",
                                 "filmsearch.dll",    "auctionsearch.dll", "pagebuilder.dll",
                                 "orvhost.exe"};

TEST(Win32VersionResource, EachProgramCarriesTheProjectsVersion) {
  for (const char* name : kPrograms) {
    SCOPED_TRACE(name);
    const std::string path = ProgramFolder() + "\\" + name;
    VersionInfo info;
    ASSERT_TRUE(info.Load(path));
    EXPECT_EQ(info.FileVersionHigh(),
              static_cast<uint32_t>(ORV_VERSION_MAJOR << 16 | ORV_VERSION_MINOR));
    EXPECT_EQ(info.FileVersionLow(), static_cast<uint32_t>(ORV_VERSION_PATCH << 16));
    ASSERT_EQ(info.Translations().size(), 1u);
    const VersionTranslation french = info.Translations().front();
    EXPECT_EQ(french.language, 0x040C);
    EXPECT_EQ(french.codePage, 1252);
    EXPECT_EQ(info.String(french, "FileVersion"), ORV_VERSION);
    EXPECT_EQ(info.String(french, "ProductVersion"), ORV_VERSION);
    EXPECT_EQ(info.String(french, "CompanyName"), "Projet Filtres Orvella");
    EXPECT_EQ(info.String(french, "ProductName"), "Filtres Orvella");
    EXPECT_EQ(info.String(french, "OriginalFilename"), name);
    // French, accents included, in the user's code page.
    const std::string description = info.String(french, "FileDescription");
    const bool host = std::string(name) == "orvhost.exe";
    EXPECT_EQ(description.rfind(host ? "H\xF4te de test" : "Filtre Orvella d'", 0), 0u)
        << description;

    orv::testing::HostItem item;
    const std::string title(name, std::string(name).find('.'));
    orv::filescan::ReadProgram(path, title, *item);
    EXPECT_EQ(StringOf(item->title), description + " v" ORV_VERSION ".0");
    EXPECT_EQ(StringOf(item->editor), "Projet Filtres Orvella");
    EXPECT_EQ(StringOf(item->comment).rfind("Filtres Orvella v" ORV_VERSION "\\n", 0), 0u);
  }
}

}  // namespace
}  // namespace orv::platform
