#include "tests/auctionsearch/auction_pages.h"

namespace orv::testing {

std::string AuctionParameterFile() {
  return "; The auction test site\n"
         "[MAIN]\n"
         "SearchItem=http://%EBAY%/objet?no=\n"
         "SearchItemOpt=&vue=complete\n"
         "SearchAdv=http://%EBAY%/cherche?mots=\n"
         "SearchAdvOpt=&\n"
         "SearchAdvOpt2=exacts=\n"
         "SearchAdvTitles=titres=1&\n"
         "SearchOperator=+\n"
         "SearchNotFound=Aucun objet ne correspond|Cet objet n'existe pas\n"
         "EbayCGI=cgi\n\n"
         "[LIST]\n"
         "ListFound=<table class=\"liste\">\n"
         "Item_String_Start=<tr class=\"objet\">\nItem_String_End=</tr>\n"
         "Item_Title_Start=<td class=\"titre\">\nItem_Title_End=</td>\n"
         "Item_Link_Start=<a href=\"\nItem_Link_End=\">\n"
         "Item_Price_Start=<td class=\"prix\">\nItem_Price_End=</td>\n"
         "Item_Time_Start=<td class=\"temps\">\nItem_Time_End=</td>\n\n"
         "[ITEM]\n"
         "Result_Title_Start=<h1 class=\"objet\">\nResult_Title_End=</h1>\n"
         "Result_Type_Start=Catégorie : \nResult_Type_End=</p>\n"
         "Result_Editor_Start=Vendeur : \nResult_Editor_End=</p>\n"
         "Result_Author_Start=État : \nResult_Author_End=</p>\n"
         "Result_Year_Start=Année : \nResult_Year_End=</p>\n"
         "Result_Date_Start=Fin : \nResult_Date_End=</p>\n"
         "Result_Lang_Start=Lieu : \nResult_Lang_End=</p>\n"
         "Result_Picture_Start=<img id=\"photo\" src=\"\nResult_Picture_End=\"\n"
         "Result_Comment_Start=<div class=\"description\">\nResult_Comment_End=</div>\n"
         "Result_REF_Start=Numéro de l'objet : \nResult_REF_End=</p>\n"
         "Result_Price_Start=Prix : \nResult_Price_End=</p>\n\n"
         "[TYPES]\n0=Timbres|cat=260&\n1=Monnaies|cat=11116&\n2=|cat=0&\n\n"
         "[SORT]\n0=Fin proche|tri=1&\n1=Prix croissant|tri=15&\n";
}

std::string AuctionListPage(const std::string& root, int count) {
  std::string page =
      "<html><body><h2>R\xC3\xA9sultats</h2>\n<table class=\"entete\"><tr class=\"objet\">"
      "<td>publicit\xC3\xA9</td></tr></table>\n<table class=\"liste\">\n";
  for (int n = 1; n <= count; ++n) {
    const std::string number = std::to_string(n);
    page += "<tr class=\"objet\"><td class=\"titre\"><a href=\"" + root + "/objet?no=" + number +
            "\">Objet " + number + "</a></td><td class=\"prix\">" + number +
            ",50 EUR</td><td class=\"temps\">" + number + " jours</td></tr>\n";
  }
  return page + "</table></body></html>\n";
}

std::string AuctionObjectPage(const std::string& title, const std::string& price) {
  return "<html><head><meta charset=\"utf-8\"></head><body>\n"
         "<h1 class=\"objet\">" +
         title +
         "</h1>\n"
         "<p>Cat\xC3\xA9gorie : Timbres &gt; France</p>\n"
         "<p>Vendeur : philat\xC3\xA9lie_75</p>\n"
         "<p>\xC3\x89tat : Neuf sans charni\xC3\xA8re</p>\n"
         "<p>Ann\xC3\xA9"
         "e : 1936</p>\n"
         "<p>Fin : 12 mars</p>\n"
         "<p>Lieu : Lyon, France</p>\n"
         "<p>Num\xC3\xA9ro de l'objet : 110023</p>\n"
         "<p>Prix : " +
         price +
         "</p>\n"
         "<div class=\"description\">Tr\xC3\xA8s bel exemplaire<br>dentelure intacte."
         "<script>pub()</script></div>\n"
         "<img id=\"photo\" src=\"http://images.test/Timbre.JPG\">\n"
         "</body></html>\n";
}

std::string BotCheckPage() {
  return "<html><body><h1>V\xC3\xA9rification</h1><p>\xC3\x8Ates-vous un robot ?</p>"
         "<form><input name=\"captcha\"></form></body></html>";
}

}  // namespace orv::testing
