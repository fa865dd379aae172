// EncMPC.dll: Musepack (SV8) through the mpcenc encoder, with the tag texts as an
// APEv2 tag. Key 0 is the quality times 100 (1..1000; the presets send 200 for
// "Telephone" up to 800 for "Braindead"), 500 ("Standard") when absent. Musepack
// takes 32,000, 37,800, 44,100 or 48,000 Hz and one or two channels: the source's
// rate when it is one of these, else 44,100 Hz (48,000 Hz above that).
//
// The blocks are gathered into a WAVE file beside the output, which the encoder
// reads when the file ends; that file is removed afterwards. A module load serves
// one output file, as the program loads the module afresh for each.
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "engines/EncMPC/MpcFrontEnd.h"
#include "engines/EncMPC/WaveSpool.h"
#include "engines/EncoderCommon/PluginExport.h"
#include "platform/core/WinApi.h"

namespace {

// The encoder keeps its settings in process-wide variables: once it has run, this
// load of the module writes no further file.
bool g_encoderRan = false;

int MusepackRate(int source) {
  switch (source) {
    case 32000: case 37800: case 44100: case 48000:
      return source;
    default:
      return source > 44100 ? 48000 : 44100;
  }
}

bool EndsWithMpc(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".mpc";
}

class MpcEncoder : public AudioEncoder {
public:
  ~MpcEncoder() override { Discard(); }

  bool Begin(const char* path, const TagTexts& tags, AudioFormatRecord& format,
             const EncoderParams& params) override {
    const int quality = params.Get(0, 500);
    if (quality < 1 || quality > 1000 || g_encoderRan) return false;
    rate_ = MusepackRate(format.InputRate);
    channels_ = format.InputChannels == 1 ? 1 : 2;
    path_ = path;
    spoolPath_ = path_ + ".tmp.wav";

    // The output is created now, so a path that cannot be written fails here.
    std::FILE* out = std::fopen(path, "wb");
    if (!out) {
      path_.clear();
      return false;
    }
    std::fclose(out);
    if (!spool_.Open(spoolPath_, rate_, channels_)) {
      Discard();
      return false;
    }
    arguments_ = Arguments(quality, tags);
    RequestFormat(format, kLayoutInterleaved, rate_, channels_);
    open_ = true;
    return true;
  }

  bool Encode(const AudioFormatRecord& format) override {
    if (!open_ || !BlockMatches(format, kLayoutInterleaved, channels_)) return false;
    if (format.OutputCount == 0) return true;
    std::vector<std::int16_t> scratch;
    return spool_.Append(InterleavedBlock(format, scratch), format.OutputCount);
  }

  void End() override {
    if (!open_) return;
    open_ = false;
    bool ok = spool_.Finish() && spool_.Frames() > 0;
    // The encoder recognises its output by the extension; any other name is
    // written under a temporary one and moved into place.
    const bool direct = EndsWithMpc(path_);
    const std::string target = direct ? path_ : path_ + ".tmp.mpc";
    if (ok) {
      std::vector<std::string> args = arguments_;
      args.push_back(spoolPath_);
      args.push_back(target);
      g_encoderRan = true;
      ok = RunMpcFrontEnd(args) == 0;
    }
    if (!direct) {
      ok = ok && ::MoveFileExA(target.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
      std::remove(target.c_str());
    }
    std::remove(spoolPath_.c_str());
    // A file the encoder could not finish is not left looking like a Musepack file.
    if (!ok) RemoveOutputFile(path_.c_str());
    path_.clear();
  }

private:
  static std::vector<std::string> Arguments(int quality, const TagTexts& t) {
    char q[16];
    std::snprintf(q, sizeof q, "%d.%02d", quality / 100, quality % 100);
    // The tag texts are handed over as UTF-8 ("--unicode": taken as they are).
    std::vector<std::string> args = {"--silent", "--overwrite", "--unicode", "--quality", q};
    auto add = [&](const char* option, const std::string& text) {
      if (text.empty()) return;
      args.push_back(option);
      args.push_back(AnsiToUtf8(text));
    };
    add("--title", t.title);
    add("--artist", t.artist);
    add("--album", t.album);
    add("--comment", t.comment);
    add("--genre", t.genre);
    add("--year", t.year);
    add("--composer", t.composer);
    add("--copyright", t.copyright);
    if (!t.encodedBy.empty()) {
      args.push_back("--tag");
      args.push_back("Encoded By=" + AnsiToUtf8(t.encodedBy));
    }
    if (t.track > 0) add("--track", std::to_string(t.track));
    return args;
  }

  // Removes what a file that did not end properly left behind.
  void Discard() {
    if (path_.empty()) return;
    spool_.Finish();
    std::remove(spoolPath_.c_str());
    RemoveOutputFile(path_.c_str());
    path_.clear();
    open_ = false;
  }

  WaveSpool spool_;
  std::string path_, spoolPath_;
  std::vector<std::string> arguments_;
  int rate_ = 44100, channels_ = 2;
  bool open_ = false;
};

}  // namespace

VARNEL_ENCODER_MODULE(MpcEncoder)
