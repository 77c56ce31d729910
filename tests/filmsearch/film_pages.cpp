#include "tests/filmsearch/film_pages.h"

namespace orv::testing {

namespace {

// The keys of the CINE site after its name.
std::string CineKeys(const std::string& root) {
  return "SiteDesc=Ciné test|de quoi rire\n"
         "ItemType=1\n"
         "SearchField=Titre du film :\n"
         "WebRoot=" +
         root +
         "/\n"
         "SearchURL=" +
         root +
         "/cherche?titre=\n"
         "ListName=<div class=\"resultats\">\n"
         "ListFound1=<ul class=\"hits\">\n"
         "ListFound2=<!--liste-->\n"
         "ListNotFound=Aucun film ne correspond\n"
         "ResultName=<div class=\"fiche\">\n"
         "ListResult=/film/\n"
         "ListResult2_Start=<span class=\"nom\">\n"
         "ListResult2_End=</span>\n"
         "Result_Title_Start=<h1>\nResult_Title_End=</h1>\n"
         "Result_Type_Start=Genre : <b>\nResult_Type_End=</b>\n"
         "Result_Editor_Start=Studio : \nResult_Editor_End=</p>\n"
         "Result_Author_Start=Réalisé par \nResult_Author_End=</p>\n"
         "Result_Year_Start=Année : \nResult_Year_End=</p>\n"
         "Result_Time_Start=Durée : \nResult_Time_End=</p>\n"
         "Result_Date_Start=Sortie : \nResult_Date_End=</p>\n"
         "Result_Lang_Start=Pays : \nResult_Lang_End=</p>\n"
         "Result_Author2_Start=Avec : \nResult_Author2_End=</p>\n"
         "Result_Note_Start=Note : \nResult_Note_End=</p>\n"
         "Result_Comment_Start=<div class=\"resume\">\nResult_Comment_End=</div>\n"
         "Result_Price_Start=Prix : \nResult_Price_End=</p>\n"
         "Result_Sound_Start=Son : \nResult_Sound_End=</p>\n"
         "Result_Screen_Start=Image : \nResult_Screen_End=</p>\n"
         "Result_Picture_Start=<img class=\"cover\" src=\"\nResult_Picture_End=\">\n";
}

}  // namespace

std::string FilmSiteFile(const std::string& root) {
  return "; The film test site\n"
         "[INDEX]\n0=CINE\n1=Sans description\n2=AUTRE\n3=APRES\n\n"
         "[CINE]\n" +
         CineKeys(root) +
         "\n"
         "[SANS DESCRIPTION]\nWebRoot=" +
         root +
         "/\n\n"
         "[AUTRE]\nSiteDesc=Disques\nItemType=2\n\n"
         "[APRES]\nSiteDesc=Jamais listé\nItemType=1\n\n"
         // The same site with today's keys; not listed, chosen by name.
         "[CINE-UTF8]\n" +
         CineKeys(root) + "SearchCharset=UTF-8\n\n[CINE-1252]\n" + CineKeys(root) +
         "SearchCharset=Windows-1252\n\n[CINE-DONNEES]\n" + CineKeys(root) + "StructuredData=1\n";
}

std::string FilmListPage(int count) {
  std::string page =
      "<html><head><title>Recherche</title></head>\r\n<body><div class=\"resultats\">\r\n"
      "<a href=\"/aide.html\">Aide</a>\r\n<ul class=\"hits\">\r\n";
  for (int n = 1; n <= count; ++n) {
    const std::string number = std::to_string(n);
    page += "  <li><a href=\"/film/" + number + ".html\"><span class=\"nom\">Film " + number +
            "</span></a></li>\r\n";
  }
  return page + "</ul></div></body></html>\r\n";
}

std::string FullFilmPage() {
  return "<html><head><meta charset=\"utf-8\"></head><body>\n"
         "<div class=\"fiche\">\n<h1>LE GRAND BLEU</h1>\n"
         "<p class=\"genre\">Genre : <b>Aventure</b></p>\n"
         "<p>Studio : <i>Gaumont</i></p>\n"
         "<p>R\xC3\xA9"
         "alis\xC3\xA9 par <a href=\"/p/1\">Luc Besson</a></p>\n"
         "<p>Ann\xC3\xA9"
         "e : 1988 (France)</p>\n"
         "<p>Dur\xC3\xA9"
         "e : 2h12</p>\n"
         "<p>Sortie : 11 mai 1988</p>\n"
         "<p>Pays : France</p>\n"
         "<p>Avec : Jean-Marc B.<br>\nJean R.</p>\n"
         "<p>Note : 16/20</p>\n"
         "<div class=\"resume\">Un plongeur&#8230; <SCRIPT>track('<b>')</SCRIPT>L&rsquo;amiti"
         "\xC3\xA9 &amp; la mer\nprofonde.</div>\n"
         "<p>Prix : 1.234,50 \xE2\x82\xAC</p>\n"
         "<p>Son : Dolby St\xC3\xA9r\xC3\xA9o</p>\n"
         "<p>Image : Cin\xC3\xA9mascope 2,35</p>\n"
         "<img class=\"cover\" src=\"/covers/Bleu.JPG\">\n"
         "</div></body></html>\n";
}

std::string ShortFilmPage(const std::string& title, const std::string& picture) {
  std::string page = "<html><body><div class=\"fiche\"><h1>" + title + "</h1>";
  if (!picture.empty()) page += "<img class=\"cover\" src=\"" + picture + "\">";
  return page + "</div></body></html>";
}

}  // namespace orv::testing
