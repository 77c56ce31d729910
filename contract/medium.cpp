#include "contract/medium.h"

#include <iterator>

#include "text/codepage.h"

namespace orv {
namespace {

constexpr const char* kMediumNamesUtf8 =
    "Orvella|Vidéo|Audio|Logiciel|Livres|Collection|Laserdisc|K7|CD|DAT|DCC|MiniDisc|K7 audio|"
    "Disk3½|Disk5¼|Disque-dur|K7|33T|45T|DVD|DVD R/W|sVCD|CD-Audio|MP3|CDRW|DVCam|BetaCam|"
    "Carte mémoire|Mo|Figurine|Poupée|Créature|Armes|Cartes|Sculpture|Instrument|Voiture|Timbre|"
    "Tableau|Bijou|Vin|Boîte de boisson|Emballage|Vaisseau|Cadeau|Ballon|Sigle|Capsule|Plante|"
    "Insecte|Poisson|Masques|Argent|Appareil photo|Jeu Vidéo|Dôme|Dé|PDA|Matériel|Souris|"
    "Téléphone|Journal|Sablier|Stylo|Parchemin|Bloc-notes|Blueprint|Antiquité|Fauteuil|Meuble|"
    "Vêtement|Chaussure|Tabac|Médaille|Sport|Chapeau|Beauté|Parfum|Montre|Sac|Vaisselle|Tasse|"
    "Fromage|Hi-Fi|Outil|Train|Partition|Fossile|Caillou|Classeur|Dossier";

constexpr int kVideoCodes[] = {6, 7, 21, 19, 20, 25, 26, 27};
constexpr int kAudioCodes[] = {22, 9, 10, 11, 12, 17, 18, 19, 20, 23, 27};
constexpr int kSoftwareCodes[] = {8, 13, 14, 15, 16, 19, 24, 20, 27, 28};

template <size_t N>
int CodeOf(const int (&codes)[N], int index) {
  // An index outside the list gives the list's first code.
  if (index < 0 || index >= static_cast<int>(N)) return codes[0];
  return codes[index];
}

}  // namespace

const std::string& MediumNames() {
  static const std::string names = text::Utf8ToUser(kMediumNamesUtf8);
  return names;
}

int MediumCode(int category, int index) {
  switch (category) {
    case 1: return CodeOf(kVideoCodes, index);
    case 2: return CodeOf(kAudioCodes, index);
    case 3: return CodeOf(kSoftwareCodes, index);
    case 4:
    case 5: return index;
    default: return 0;
  }
}

}  // namespace orv
