-- The items of an orvhost collection as one XML document, for bench/catalogue.xsl: the video
-- items in the order they were stored, each field as an element, texts escaped.
--
-- usage: sqlite3 -batch COLLECTION.db < bench/export-dump.sql > items.xml
.mode list
.headers off
.separator ''
SELECT '<?xml version="1.0" encoding="UTF-8"?>';
SELECT '<collection currency="€">';
WITH escaped AS (
  SELECT id, medium, year, price,
    replace(replace(replace(title, '&', '&amp;'), '<', '&lt;'), '>', '&gt;') AS title,
    replace(replace(replace(author, '&', '&amp;'), '<', '&lt;'), '>', '&gt;') AS author,
    replace(replace(replace(coauthor, '&', '&amp;'), '<', '&lt;'), '>', '&gt;') AS coauthor,
    replace(replace(replace(type, '&', '&amp;'), '<', '&lt;'), '>', '&gt;') AS type,
    replace(replace(replace(length, '&', '&amp;'), '<', '&lt;'), '>', '&gt;') AS length,
    replace(replace(replace(image, '&', '&amp;'), '<', '&lt;'), '>', '&gt;') AS image,
    replace(replace(replace(comment, '&', '&amp;'), '<', '&lt;'), '>', '&gt;') AS comment
  FROM items WHERE category = 1 AND itemKind NOT IN (64, 128) ORDER BY id)
SELECT '<item><medium>' || medium || '</medium><image>' || image || '</image><title>' || title ||
       '</title><author>' || author || '</author><coauthor>' || coauthor || '</coauthor><type>' ||
       type || '</type><year>' || year || '</year><length>' || length || '</length><price>' ||
       price || '</price><comment>' || comment || '</comment></item>'
FROM escaped;
SELECT '</collection>';
