<?xml version="1.0" encoding="UTF-8"?>
<!-- The catalogue table of samples/templates/catalogue.htm made from the XML dump of
     bench/export-dump.sql, for bench/export-bench.sh to time beside orvhost's own export. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns:m="urn:orvella-bench:media" exclude-result-prefixes="m">
<xsl:output method="html" encoding="UTF-8" indent="no" doctype-system="about:legacy-compat"/>

<!-- Medium names by code (code 0 first); the icon of code N is iconNN.gif, NN = N + 1. -->
<m:media>
  <m:n>Orvella</m:n>
  <m:n>Vidéo</m:n>
  <m:n>Audio</m:n>
  <m:n>Logiciel</m:n>
  <m:n>Livres</m:n>
  <m:n>Collection</m:n>
  <m:n>Laserdisc</m:n>
  <m:n>K7</m:n>
  <m:n>CD</m:n>
  <m:n>DAT</m:n>
  <m:n>DCC</m:n>
  <m:n>MiniDisc</m:n>
  <m:n>K7 audio</m:n>
  <m:n>Disk3½</m:n>
  <m:n>Disk5¼</m:n>
  <m:n>Disque-dur</m:n>
  <m:n>K7</m:n>
  <m:n>33T</m:n>
  <m:n>45T</m:n>
  <m:n>DVD</m:n>
  <m:n>DVD R/W</m:n>
  <m:n>sVCD</m:n>
  <m:n>CD-Audio</m:n>
  <m:n>MP3</m:n>
  <m:n>CDRW</m:n>
  <m:n>DVCam</m:n>
  <m:n>BetaCam</m:n>
  <m:n>Carte mémoire</m:n>
  <m:n>Mo</m:n>
  <m:n>Figurine</m:n>
  <m:n>Poupée</m:n>
  <m:n>Créature</m:n>
  <m:n>Armes</m:n>
  <m:n>Cartes</m:n>
  <m:n>Sculpture</m:n>
  <m:n>Instrument</m:n>
  <m:n>Voiture</m:n>
  <m:n>Timbre</m:n>
  <m:n>Tableau</m:n>
  <m:n>Bijou</m:n>
  <m:n>Vin</m:n>
  <m:n>Boîte de boisson</m:n>
  <m:n>Emballage</m:n>
  <m:n>Vaisseau</m:n>
  <m:n>Cadeau</m:n>
  <m:n>Ballon</m:n>
  <m:n>Sigle</m:n>
  <m:n>Capsule</m:n>
  <m:n>Plante</m:n>
  <m:n>Insecte</m:n>
  <m:n>Poisson</m:n>
  <m:n>Masques</m:n>
  <m:n>Argent</m:n>
  <m:n>Appareil photo</m:n>
  <m:n>Jeu Vidéo</m:n>
  <m:n>Dôme</m:n>
  <m:n>Dé</m:n>
  <m:n>PDA</m:n>
  <m:n>Matériel</m:n>
  <m:n>Souris</m:n>
  <m:n>Téléphone</m:n>
  <m:n>Journal</m:n>
  <m:n>Sablier</m:n>
  <m:n>Stylo</m:n>
  <m:n>Parchemin</m:n>
  <m:n>Bloc-notes</m:n>
  <m:n>Blueprint</m:n>
  <m:n>Antiquité</m:n>
  <m:n>Fauteuil</m:n>
  <m:n>Meuble</m:n>
  <m:n>Vêtement</m:n>
  <m:n>Chaussure</m:n>
  <m:n>Tabac</m:n>
  <m:n>Médaille</m:n>
  <m:n>Sport</m:n>
  <m:n>Chapeau</m:n>
  <m:n>Beauté</m:n>
  <m:n>Parfum</m:n>
  <m:n>Montre</m:n>
  <m:n>Sac</m:n>
  <m:n>Vaisselle</m:n>
  <m:n>Tasse</m:n>
  <m:n>Fromage</m:n>
  <m:n>Hi-Fi</m:n>
  <m:n>Outil</m:n>
  <m:n>Train</m:n>
  <m:n>Partition</m:n>
  <m:n>Fossile</m:n>
  <m:n>Caillou</m:n>
  <m:n>Classeur</m:n>
  <m:n>Dossier</m:n>
</m:media>
<xsl:variable name="media" select="document('')/*/m:media/m:n"/>

<xsl:template match="/collection">
<html lang="fr">
<head>
<meta charset="utf-8"/>
<title> - </title>
<style>
  body { font-family: "DejaVu Sans", Verdana, Arial, sans-serif; margin: 2em; color: #222; background: #f6f4ef; }
  h1 { margin: 0; font-size: 1.7em; color: #2a5d9f; }
  p.owner { margin: .3em 0 1.5em; color: #666; }
  table { border-collapse: collapse; width: 100%; background: #fff; box-shadow: 0 1px 4px rgba(0,0,0,.15); }
  th { background: #2a5d9f; color: #fff; text-align: left; font-weight: normal; padding: .5em .6em; font-size: .9em; white-space: nowrap; }
  td { padding: .5em .6em; border-top: 1px solid #e2ded5; vertical-align: top; font-size: .9em; }
  tr:nth-child(even) td { background: #faf9f6; }
  td.num { color: #999; text-align: right; }
  td.price { text-align: right; white-space: nowrap; }
  td.title strong { font-size: 1.05em; }
  td.title span { display: block; color: #666; font-size: .9em; }
  td.comment { max-width: 24em; color: #444; }
  img.icon { vertical-align: middle; }
  img.picture { max-width: 70px; max-height: 100px; border: 1px solid #ccc; }
  img[src=""] { display: none; }
  p.footer { margin-top: 1.5em; color: #999; font-size: .8em; }
</style>
</head>
<body>
<h1></h1>
<p class="owner">Collection de </p>
<table>
<tr><th>#</th><th>Support</th><th>Image</th><th>Titre</th><th>Genre</th><th>Année</th><th>Durée</th><th>Valeur (<xsl:value-of select="@currency"/>)</th><th>Commentaires</th></tr>
<xsl:text>&#10;</xsl:text><xsl:apply-templates select="item"/>
</table>
<p class="footer"> &#183; </p>
</body>
</html>
</xsl:template>

<xsl:template match="item">
<xsl:variable name="name" select="$media[number(current()/medium) + 1]"/>
<tr><xsl:text>&#10;</xsl:text>
<td class="num"><xsl:value-of select="position()"/></td><xsl:text>&#10;</xsl:text>
<td><img class="icon" src="icon{format-number(medium + 1, '00')}.gif" alt="{$name}" title="{$name}"/></td><xsl:text>&#10;</xsl:text>
<td><img class="picture" src="{image}" alt=""/></td><xsl:text>&#10;</xsl:text>
<td class="title"><strong><xsl:value-of select="title"/></strong><span><xsl:value-of select="author"/></span><span><xsl:value-of select="coauthor"/></span></td><xsl:text>&#10;</xsl:text>
<td><xsl:value-of select="type"/></td><xsl:text>&#10;</xsl:text>
<td><xsl:value-of select="year"/></td><xsl:text>&#10;</xsl:text>
<td><xsl:value-of select="length"/></td><xsl:text>&#10;</xsl:text>
<td class="price"><xsl:value-of select="translate(format-number(price, '0.00'), '.', ',')"/></td><xsl:text>&#10;</xsl:text>
<td class="comment"><xsl:call-template name="lines"><xsl:with-param name="text" select="comment"/></xsl:call-template></td><xsl:text>&#10;</xsl:text>
</tr><xsl:text>&#10;</xsl:text>
</xsl:template>

<!-- Line breaks as <br>, as the export writes them. -->
<xsl:template name="lines">
<xsl:param name="text"/>
<xsl:choose>
<xsl:when test="contains($text, '&#10;')">
<xsl:value-of select="substring-before($text, '&#10;')"/><br/>
<xsl:call-template name="lines"><xsl:with-param name="text" select="substring-after($text, '&#10;')"/></xsl:call-template>
</xsl:when>
<xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
</xsl:choose>
</xsl:template>

</xsl:stylesheet>
