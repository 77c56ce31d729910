// The C boundary between the media-library host and a filter library.
//
// Rules of the boundary:
// - A filter library exports one name, GetFunctionInfo, which fills a FilterFunctions table.
// - The host allocates and owns FilterInfo, HostDocument, ItemList and every MediaItem. A filter
//   fills what it is given and keeps the HostDocument and ItemList addresses only from Open to
//   Close.
// - Text fields of the host's records are host strings (host_string.h): a filter reads them and
//   assigns new text through hs_assign, never frees one itself.
// - Results are plain integers: 1 success or item produced, 0 failure or nothing this call,
//   -1 no more items. No C++ exception ever crosses these functions.
// - All text is the user's ANSI code page (windows-1252 on Windows, UTF-8 on Linux).
//
// On 32-bit Windows the records have exactly the host's sizes and offsets (checked below). On
// 64-bit Linux pointers are wider and the layout widens naturally.
#ifndef ORV_CONTRACT_ABI_H
#define ORV_CONTRACT_ABI_H

#include <stddef.h>
#include <stdint.h>

#include "contract/host_string.h"

#if defined(_WIN32)
#define ORV_CALL __stdcall
#define ORV_EXPORT
#else
#define ORV_CALL
#define ORV_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum { ORV_INTERFACE_TAG = 640 };

enum {
  ORV_CATEGORY_VIDEO = 1,
  ORV_CATEGORY_AUDIO = 2,
  ORV_CATEGORY_SOFTWARE = 3,
  ORV_CATEGORY_BOOK = 4,
  ORV_CATEGORY_COLLECTIBLE = 5
};

// Values of itemKind beyond the plain category.
enum { ORV_KIND_HEADING = 64, ORV_KIND_LINK = 128, ORV_KIND_WITH_LINK = 256 };

// What the host asks the user for before Open.
enum { ORV_SOURCE_FILE = 0, ORV_SOURCE_FOLDER = 1, ORV_SOURCE_NONE = 2 };

typedef struct FilterInfo {
  char fileMask[256];
  char description[256];
  int32_t category;
  void* icon;
  char filterName[256];
  int32_t sourceKind;
  int32_t interfaceTag;
  int32_t reserved;
  int32_t isExport;
} FilterInfo;

// The host's item record: 144 bytes on the 32-bit host.
typedef struct MediaItem {
  HostString title;
  HostString type;
  HostString editor;
  HostString author;
  HostString coauthor;
  char length[11];
  char date[11];
  int32_t category;
  int32_t year;
  int32_t chap;
  int32_t reservedA;
  int32_t rating;
  float price;
  HostString lang;
  int32_t format1;
  int32_t format2;
  int32_t medium;
  int32_t sound;
  HostString custom1;
  HostString custom2;
  HostString custom3;
  HostString comment;
  HostString image;
  char lendat1[11];
  char lendat2[11];
  HostString lendname;
  int32_t reservedB;
  int32_t level;
} MediaItem;

// Only the fields the filters read are named; the rest of the host's record is opaque.
// pictureDirs is indexed by category (1..5, entry 0 unused); codeLists points to three
// consecutive host strings: format1List, soundList, format2List.
typedef struct HostDocument {
  int32_t hostReserved0;
  HostString* pictureDirs;
  uint8_t hostReserved1[56];
  HostString* codeLists;
  uint8_t hostReserved2[52];
  HostString docowner;
  HostString doctitle;
  HostString doccurr;
  HostString proxyServer;
  HostString proxyUser;
  HostString proxyPassword;
  uint16_t proxyPort;
} HostDocument;

enum { ORV_CODE_FORMAT1 = 0, ORV_CODE_SOUND = 1, ORV_CODE_FORMAT2 = 2 };

typedef struct ItemList {
  int32_t hostReserved;
  MediaItem* items;
  int32_t count;
} ItemList;

typedef int32_t(ORV_CALL* ConfigureFn)(const char* profileName, const char* registryKey,
                                       int32_t showDialog);
typedef int32_t(ORV_CALL* GetInfoFn)(FilterInfo* info);
typedef int32_t(ORV_CALL* OpenFn)(const char* path, HostDocument* document, ItemList* items);
typedef int32_t(ORV_CALL* CloseFn)(void);
typedef int32_t(ORV_CALL* GetCountFn)(void);
typedef int32_t(ORV_CALL* ProcessItemFn)(MediaItem* item, int32_t* itemKind);

typedef struct FilterFunctions {
  ConfigureFn Configure;
  GetInfoFn GetInfo;
  OpenFn Open;
  CloseFn Close;
  GetCountFn GetCount;
  ProcessItemFn ProcessItem;
} FilterFunctions;

typedef int32_t(ORV_CALL* GetFunctionInfoFn)(FilterFunctions* table);

#define ORV_ENTRY_NAME "GetFunctionInfo"

#ifdef __cplusplus
}  // extern "C"
#endif

#if defined(__cplusplus) && (UINTPTR_MAX == 0xFFFFFFFFu)
// The host's own layout, exactly.
static_assert(sizeof(void*) == 4, "32-bit target");
static_assert(offsetof(FilterInfo, fileMask) == 0, "FilterInfo layout");
static_assert(offsetof(FilterInfo, description) == 256, "FilterInfo layout");
static_assert(offsetof(FilterInfo, category) == 512, "FilterInfo layout");
static_assert(offsetof(FilterInfo, icon) == 516, "FilterInfo layout");
static_assert(offsetof(FilterInfo, filterName) == 520, "FilterInfo layout");
static_assert(offsetof(FilterInfo, sourceKind) == 776, "FilterInfo layout");
static_assert(offsetof(FilterInfo, interfaceTag) == 780, "FilterInfo layout");
static_assert(offsetof(FilterInfo, reserved) == 784, "FilterInfo layout");
static_assert(offsetof(FilterInfo, isExport) == 788, "FilterInfo layout");
static_assert(sizeof(FilterInfo) == 792, "FilterInfo layout");

static_assert(sizeof(MediaItem) == 144, "MediaItem layout");
static_assert(offsetof(MediaItem, title) == 0, "MediaItem layout");
static_assert(offsetof(MediaItem, type) == 4, "MediaItem layout");
static_assert(offsetof(MediaItem, editor) == 8, "MediaItem layout");
static_assert(offsetof(MediaItem, author) == 12, "MediaItem layout");
static_assert(offsetof(MediaItem, coauthor) == 16, "MediaItem layout");
static_assert(offsetof(MediaItem, length) == 20, "MediaItem layout");
static_assert(offsetof(MediaItem, date) == 31, "MediaItem layout");
static_assert(offsetof(MediaItem, category) == 44, "MediaItem layout");
static_assert(offsetof(MediaItem, year) == 48, "MediaItem layout");
static_assert(offsetof(MediaItem, chap) == 52, "MediaItem layout");
static_assert(offsetof(MediaItem, reservedA) == 56, "MediaItem layout");
static_assert(offsetof(MediaItem, rating) == 60, "MediaItem layout");
static_assert(offsetof(MediaItem, price) == 64, "MediaItem layout");
static_assert(offsetof(MediaItem, lang) == 68, "MediaItem layout");
static_assert(offsetof(MediaItem, format1) == 72, "MediaItem layout");
static_assert(offsetof(MediaItem, format2) == 76, "MediaItem layout");
static_assert(offsetof(MediaItem, medium) == 80, "MediaItem layout");
static_assert(offsetof(MediaItem, sound) == 84, "MediaItem layout");
static_assert(offsetof(MediaItem, custom1) == 88, "MediaItem layout");
static_assert(offsetof(MediaItem, custom2) == 92, "MediaItem layout");
static_assert(offsetof(MediaItem, custom3) == 96, "MediaItem layout");
static_assert(offsetof(MediaItem, comment) == 100, "MediaItem layout");
static_assert(offsetof(MediaItem, image) == 104, "MediaItem layout");
static_assert(offsetof(MediaItem, lendat1) == 108, "MediaItem layout");
static_assert(offsetof(MediaItem, lendat2) == 119, "MediaItem layout");
static_assert(offsetof(MediaItem, lendname) == 132, "MediaItem layout");
static_assert(offsetof(MediaItem, reservedB) == 136, "MediaItem layout");
static_assert(offsetof(MediaItem, level) == 140, "MediaItem layout");

static_assert(offsetof(HostDocument, pictureDirs) == 4, "HostDocument layout");
static_assert(offsetof(HostDocument, codeLists) == 64, "HostDocument layout");
static_assert(offsetof(HostDocument, docowner) == 120, "HostDocument layout");
static_assert(offsetof(HostDocument, doctitle) == 124, "HostDocument layout");
static_assert(offsetof(HostDocument, doccurr) == 128, "HostDocument layout");
static_assert(offsetof(HostDocument, proxyServer) == 132, "HostDocument layout");
static_assert(offsetof(HostDocument, proxyUser) == 136, "HostDocument layout");
static_assert(offsetof(HostDocument, proxyPassword) == 140, "HostDocument layout");
static_assert(offsetof(HostDocument, proxyPort) == 144, "HostDocument layout");

static_assert(offsetof(ItemList, items) == 4, "ItemList layout");
static_assert(offsetof(ItemList, count) == 8, "ItemList layout");

static_assert(sizeof(FilterFunctions) == 24, "six operation slots");
#endif

#endif  // ORV_CONTRACT_ABI_H
