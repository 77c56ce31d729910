// Resource ids of pagebuilder (resources/pagebuilder.rc).
#ifndef ORV_PAGEBUILDER_PAGEBUILDER_IDS_H
#define ORV_PAGEBUILDER_PAGEBUILDER_IDS_H

namespace orv::pagebuilder {

enum : int {
  kStringMediumError = 6,   // "erreur": a medium code beyond the medium names
  kStringCodeBeyond = 8,    // "hors limite": a code beyond its list
  kStringTagColumns = 40,   // column titles and widths of the tag list
  kStringTagList = 41,      // the tags, "|"-separated
  kStringTagMeanings = 42,  // what each tag stands for
  kStringTemplateMissing = 54,
  kStringTemplateFilter = 55,
  kStringTemplateTitle = 56,
  kStringIconFolderTitle = 57,
  kStringHelp = 60,
  kStringHeaderPattern = 62,  // "<!--header%02d-->"
  kStringHeaderCaptions = 290,
};

// Controls of the options dialog 129.
enum : int {
  kControlVideo = 1001,  // first of the five category radio buttons, ids 1001..1005
  kControlCopyIcons = 1010,
  kControlCopyImages = 1011,
  kControlNamesFromTitles = 1012,
  kControlTemplate = 1020,
  kControlBrowseTemplate = 1021,
  kControlIconFolder = 1022,
  kControlBrowseIconFolder = 1023,
  kControlHelp = 1030,
  kControlTagList = 1040,
};

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_PAGEBUILDER_IDS_H
