#!/bin/sh
# Draws the medium icons icon01.gif ... icon91.gif (medium code + 1) with ImageMagick:
# a small badge holding a short form of the medium's name.
set -eu
cd "$(dirname "$0")"
n=0
while IFS='|' read -r label colour; do
  n=$((n + 1))
  convert -size 40x20 xc:"$colour" -font DejaVu-Sans-Bold -pointsize 8 -fill white \
    -gravity center -annotate 0 "$label" -colors 16 +repage "$(printf 'icon%02d.gif' "$n")"
done <<'LIST'
Orv.|#666666
Vidéo|#666666
Audio|#666666
Logic.|#666666
Livre|#666666
Coll.|#666666
LD|#2a5d9f
K7|#2a5d9f
CD|#2a5d9f
DAT|#2a5d9f
DCC|#2a5d9f
MD|#2a5d9f
K7 A|#2a5d9f
3½|#2a5d9f
5¼|#2a5d9f
HDD|#2a5d9f
K7|#2a5d9f
33T|#2a5d9f
45T|#2a5d9f
DVD|#2a5d9f
DVD±|#2a5d9f
sVCD|#2a5d9f
CD-A|#2a5d9f
MP3|#2a5d9f
CDRW|#2a5d9f
DVC|#2a5d9f
Beta|#2a5d9f
Carte|#2a5d9f
Mo|#2a5d9f
Figur|#3f7f3f
Poup.|#3f7f3f
Créat|#3f7f3f
Armes|#3f7f3f
Carte|#3f7f3f
Sculp|#3f7f3f
Instr|#3f7f3f
Auto|#3f7f3f
Timbr|#3f7f3f
Tabl.|#3f7f3f
Bijou|#3f7f3f
Vin|#3f7f3f
Boîte|#3f7f3f
Embal|#3f7f3f
Vaiss|#3f7f3f
Cadeau|#3f7f3f
Ballon|#3f7f3f
Sigle|#3f7f3f
Caps.|#3f7f3f
Plante|#3f7f3f
Insec|#3f7f3f
Pois.|#3f7f3f
Masq.|#3f7f3f
Argent|#3f7f3f
Photo|#3f7f3f
Jeu|#3f7f3f
Dôme|#3f7f3f
Dé|#3f7f3f
PDA|#3f7f3f
Matér|#3f7f3f
Souris|#3f7f3f
Tél.|#3f7f3f
Journ|#3f7f3f
Sabl.|#3f7f3f
Stylo|#3f7f3f
Parch|#3f7f3f
Bloc|#3f7f3f
Plan|#3f7f3f
Antiq|#3f7f3f
Fauteu|#3f7f3f
Meuble|#3f7f3f
Vêtem|#3f7f3f
Chaus|#3f7f3f
Tabac|#3f7f3f
Médail|#3f7f3f
Sport|#3f7f3f
Chap.|#3f7f3f
Beauté|#3f7f3f
Parfum|#3f7f3f
Montre|#3f7f3f
Sac|#3f7f3f
Vaiss.|#3f7f3f
Tasse|#3f7f3f
Fromg|#3f7f3f
Hi-Fi|#3f7f3f
Outil|#3f7f3f
Train|#3f7f3f
Partit|#3f7f3f
Fossil|#3f7f3f
Caill.|#3f7f3f
Class.|#3f7f3f
Doss.|#3f7f3f
LIST
