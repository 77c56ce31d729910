// Speed of the export engine alone: 100,000 items like those of a film collection, written in
// loop mode through the sample catalogue template into a temporary file, then a smaller run in
// file mode (one page per item). Prints items per second for each.
//
// usage: pagebuilder_bench [TEMPLATE] [ITEMS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "contract/abi.h"
#include "contract/host_string.h"
#include "pagebuilder/export_run.h"

namespace {

using orv::pagebuilder::ExportRun;
using orv::pagebuilder::ExportSettings;

const char* const kTitles[] = {
    "Le Bal des lucioles",        "Sous la glace", "Le Train de minuit", "L'Été à Noël",
    "Brève rencontre à Montréal", "Cœur d'acier",  "La Forêt des âmes",  "Über den Wolken"};
const char* const kGenres[] = {"Comédie dramatique", "Aventure", "Policier", "Science-fiction"};
const char* const kPeople[] = {"Hélène Marceau", "Ingrid Sol", "Joseph Ardent", "Zoé Müller"};
constexpr int kVideoMedia[] = {6, 7, 21, 19, 20, 25, 26, 27};

class Collection {
 public:
  explicit Collection(int count) : items_(static_cast<size_t>(count)) {
    for (int i = 0; i < count; ++i) {
      MediaItem& item = items_[static_cast<size_t>(i)];
      std::memset(&item, 0, sizeof item);
      const std::string n = std::to_string(i + 1);
      Put(item.title, std::string(kTitles[i % 8]) + " " + n);
      Put(item.type, kGenres[i % 4]);
      Put(item.editor, "Films du Préau");
      Put(item.author, kPeople[i % 4]);
      Put(item.coauthor, "Léa Dumont, Rémi Vasseur, Nils Berg");
      Put(item.lang, "FRANCE");
      Put(item.comment, "Un été à la campagne, une fête de village.\r\nEt des secrets de famille.");
      Put(item.image, "affiche" + n + ".jpg");
      std::snprintf(item.length, sizeof item.length, "0%d:%02d:00", 1 + i % 2, i % 60);
      std::snprintf(item.date, sizeof item.date, "2004/%02d/%02d", 1 + i % 12, 1 + i % 28);
      item.category = ORV_CATEGORY_VIDEO;
      item.year = 1950 + i % 70;
      item.chap = 12 + i % 20;
      item.rating = i % 10;
      item.price = 9.99f + static_cast<float>(i % 40);
      item.medium = kVideoMedia[i % 8];
      item.format1 = i % 6;
      item.format2 = i % 4;
      item.sound = i % 11;
    }
    list_.items = items_.data();
    list_.count = count;

    std::memset(&document_, 0, sizeof document_);
    Put(document_.docowner, "Jeanne Dupré");
    Put(document_.doctitle, "Mes films");
    Put(document_.doccurr, "EUR");
    Put(codeLists_[ORV_CODE_FORMAT1], "Pal|Sécam|Ntsc|DivX|XviD|Mpeg");
    Put(codeLists_[ORV_CODE_SOUND],
        "Mono|Stéréo|Dolby Pro|AC3|Thx|Dts|Dolby 5.0|Dolby 5.1|Dolby 6.1|Mp3|Wma");
    Put(codeLists_[ORV_CODE_FORMAT2], "2:35|16/9|1:85|4/3");
    document_.codeLists = codeLists_;
    document_.pictureDirs = pictureDirs_;
  }
  ~Collection() {
    for (MediaItem& item : items_) {
      for (HostString* text : {&item.title, &item.type, &item.editor, &item.author, &item.coauthor,
                               &item.lang, &item.comment, &item.image}) {
        hs_release(*text);
      }
    }
    for (HostString text : codeLists_) hs_release(text);
    hs_release(document_.docowner);
    hs_release(document_.doctitle);
    hs_release(document_.doccurr);
  }

  ItemList* list() { return &list_; }
  HostDocument* document() { return &document_; }
  void Limit(int count) {
    list_.count = count < static_cast<int>(items_.size()) ? count : list_.count;
  }

 private:
  static void Put(HostString& field, const std::string& text) { orv::Assign(&field, text); }

  std::vector<MediaItem> items_;
  ItemList list_{0, nullptr, 0};
  HostDocument document_;
  HostString codeLists_[3] = {};
  HostString pictureDirs_[6] = {};
};

// Runs one export; returns the seconds it took, or a negative number when it failed.
double Run(const std::string& output, Collection& collection, const ExportSettings& settings,
           int& written) {
  const auto start = std::chrono::steady_clock::now();
  ExportRun run;
  if (!run.Open(output, collection.document(), collection.list(), settings)) return -1;
  written = 0;
  int32_t kind = 0;
  while (run.WriteNext(kind) == 1) ++written;
  run.Close();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  std::string templatePath = argc > 1 ? argv[1] : ORV_SOURCE_DIR "/samples/templates/catalogue.htm";
  const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
  if (count <= 0) {
    std::fprintf(stderr, "usage: pagebuilder_bench [TEMPLATE] [ITEMS]\n");
    return 2;
  }
  namespace fs = std::filesystem;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path folder = fs::temp_directory_path() / ("pagebuilder_bench_" + std::to_string(now));
  fs::create_directories(folder);

  Collection collection(count);
  ExportSettings settings;
  settings.templatePath = templatePath;
  settings.copyIcons = false;
  settings.copyImages = false;

  int written = 0;
  const std::string catalogue = (folder / "catalogue.htm").string();
  const double loopSeconds = Run(catalogue, collection, settings, written);
  if (loopSeconds < 0) {
    std::fprintf(stderr, "pagebuilder_bench: cannot export through %s\n", templatePath.c_str());
    fs::remove_all(folder);
    return 1;
  }
  std::error_code ignored;
  const auto bytes = fs::file_size(catalogue, ignored);
  std::printf("loop mode: %d items in %.3f s: %.0f items/s (%.1f MB written)\n", written,
              loopSeconds, written / loopSeconds, static_cast<double>(bytes) / 1e6);

  // File mode writes a file per item, so it is measured on fewer items.
  const fs::path pages = folder / "pages";
  fs::create_directories(pages);
  const std::string page = (pages / "fiche.htm").string();
  settings.templatePath = ORV_SOURCE_DIR "/samples/templates/page.htm";
  collection.Limit(count < 10000 ? count : 10000);
  const double fileSeconds = Run(page, collection, settings, written);
  if (fileSeconds >= 0) {
    std::printf("file mode: %d pages in %.3f s: %.0f pages/s\n", written, fileSeconds,
                written / fileSeconds);
  }
  fs::remove_all(folder, ignored);
  return 0;
}
