// The language names a French Windows shows for version resources (VerLanguageName).
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/version_info.h"
#include "text/codepage.h"

namespace orv::platform {
namespace {

struct LanguageRow {
  uint16_t id;
  const char* name;  // UTF-8
};

constexpr LanguageRow kLanguages[] = {
    {0x0000, "Langue neutre"},
    {0x0401, "Arabe (Arabie saoudite)"},
    {0x0402, "Bulgare (Bulgarie)"},
    {0x0403, "Catalan (Espagne)"},
    {0x0404, "Chinois (traditionnel, Taïwan)"},
    {0x0405, "Tchèque (République tchèque)"},
    {0x0406, "Danois (Danemark)"},
    {0x0407, "Allemand (Allemagne)"},
    {0x0408, "Grec (Grèce)"},
    {0x0409, "Anglais (États-Unis)"},
    {0x040A, "Espagnol (Espagne, tri traditionnel)"},
    {0x040B, "Finnois (Finlande)"},
    {0x040C, "Français (France)"},
    {0x040D, "Hébreu (Israël)"},
    {0x040E, "Hongrois (Hongrie)"},
    {0x040F, "Islandais (Islande)"},
    {0x0410, "Italien (Italie)"},
    {0x0411, "Japonais (Japon)"},
    {0x0412, "Coréen (Corée)"},
    {0x0413, "Néerlandais (Pays-Bas)"},
    {0x0414, "Norvégien, bokmål (Norvège)"},
    {0x0415, "Polonais (Pologne)"},
    {0x0416, "Portugais (Brésil)"},
    {0x0418, "Roumain (Roumanie)"},
    {0x0419, "Russe (Russie)"},
    {0x041A, "Croate (Croatie)"},
    {0x041B, "Slovaque (Slovaquie)"},
    {0x041C, "Albanais (Albanie)"},
    {0x041D, "Suédois (Suède)"},
    {0x041E, "Thaï (Thaïlande)"},
    {0x041F, "Turc (Turquie)"},
    {0x0421, "Indonésien (Indonésie)"},
    {0x0422, "Ukrainien (Ukraine)"},
    {0x0423, "Biélorusse (Bélarus)"},
    {0x0424, "Slovène (Slovénie)"},
    {0x0425, "Estonien (Estonie)"},
    {0x0426, "Letton (Lettonie)"},
    {0x0427, "Lituanien (Lituanie)"},
    {0x0429, "Persan (Iran)"},
    {0x042A, "Vietnamien (Vietnam)"},
    {0x042D, "Basque (Espagne)"},
    {0x0436, "Afrikaans (Afrique du Sud)"},
    {0x0439, "Hindi (Inde)"},
    {0x043E, "Malais (Malaisie)"},
    {0x0804, "Chinois (simplifié, Chine)"},
    {0x0807, "Allemand (Suisse)"},
    {0x0809, "Anglais (Royaume-Uni)"},
    {0x080A, "Espagnol (Mexique)"},
    {0x080C, "Français (Belgique)"},
    {0x0810, "Italien (Suisse)"},
    {0x0813, "Néerlandais (Belgique)"},
    {0x0814, "Norvégien, nynorsk (Norvège)"},
    {0x0816, "Portugais (Portugal)"},
    {0x0C04, "Chinois (traditionnel, Hong Kong R.A.S.)"},
    {0x0C07, "Allemand (Autriche)"},
    {0x0C09, "Anglais (Australie)"},
    {0x0C0A, "Espagnol (Espagne, tri international)"},
    {0x0C0C, "Français (Canada)"},
    {0x1009, "Anglais (Canada)"},
    {0x100C, "Français (Suisse)"},
    {0x1409, "Anglais (Nouvelle-Zélande)"},
    {0x140C, "Français (Luxembourg)"},
    {0x1809, "Anglais (Irlande)"},
    {0x180C, "Français (Monaco)"},
};

constexpr uint16_t kPrimaryLanguageMask = 0x3FF;

}  // namespace

std::string LanguageName(uint16_t languageId) {
  for (const LanguageRow& row : kLanguages) {
    if (row.id == languageId) return text::Utf8ToUser(row.name);
  }
  // A country the table lacks: the language alone, as the first row of that language names it.
  const uint16_t primary = languageId & kPrimaryLanguageMask;
  for (const LanguageRow& row : kLanguages) {
    if (primary != 0 && (row.id & kPrimaryLanguageMask) == primary) {
      const std::string_view name(row.name);
      return text::Utf8ToUser(name.substr(0, name.find(" (")));
    }
  }
  return text::Utf8ToUser("Langue inconnue");
}

}  // namespace orv::platform
