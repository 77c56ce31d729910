#include "filescan/content_readers.h"

#include "filescan/document_reader.h"
#include "filescan/music_reader.h"
#include "filescan/picture_reader.h"
#include "filescan/program_reader.h"
#include "filescan/video_reader.h"
#include "filescan/web_page_reader.h"

namespace orv::filescan {

ContentReaders StandardReaders() {
  ContentReaders readers;
  readers.picture = ReadPicture;
  readers.music = ReadMusic;
  readers.video = ReadVideo;
  readers.webPage = ReadWebPage;
  readers.document = ReadDocument;
  readers.program = ReadProgram;
  return readers;
}

}  // namespace orv::filescan
