#include "engines/DiscEngine/SourceLayout.h"

#include <cstdarg>
#include <cstring>

extern "C" {
#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>
}

#include "engines/DiscEngine/Languages.h"

namespace disc {
namespace {

void QuietLog(void*, dvd_logger_level_t, const char*, va_list) {}

int Bcd(std::uint8_t v) { return (v >> 4) * 10 + (v & 0x0F); }

// A playback time of the IFO files in seconds.
double Seconds(const dvd_time_t& t) {
  double fps = ((t.frame_u >> 6) & 3) == 3 ? 30000.0 / 1001.0 : 25.0;
  return Bcd(t.hour) * 3600.0 + Bcd(t.minute) * 60.0 + Bcd(t.second) + Bcd(t.frame_u & 0x3F) / fps;
}

struct IfoCloser {
  void operator()(ifo_handle_t* ifo) const { if (ifo) ifoClose(ifo); }
};
using Ifo = std::unique_ptr<ifo_handle_t, IfoCloser>;

void CopyText(char* dest, const char* text) {
  std::strncpy(dest, text, 255);
  dest[255] = 0;
}

std::uint32_t YCrCbToRgb(std::uint32_t ycrcb) {
  int y = (ycrcb >> 16) & 0xFF, cr = (ycrcb >> 8) & 0xFF, cb = ycrcb & 0xFF;
  auto clamp = [](double v) { return v < 0 ? 0u : v > 255 ? 255u : static_cast<std::uint32_t>(v + 0.5); };
  double yy = 1.164 * (y - 16);
  std::uint32_t r = clamp(yy + 1.596 * (cr - 128));
  std::uint32_t g = clamp(yy - 0.813 * (cr - 128) - 0.391 * (cb - 128));
  std::uint32_t b = clamp(yy + 2.018 * (cb - 128));
  return (r << 16) | (g << 8) | b;
}

void DescribeStreams(const vtsi_mat_t& mat, const pgc_t& pgc, TitleLayout& t) {
  TitleInfo& info = t.Info;
  int audioCount = mat.nr_of_vts_audio_streams > kMaxAudioStreams ? kMaxAudioStreams : mat.nr_of_vts_audio_streams;
  info.AudioStreamCount = audioCount;
  for (int i = 0; i < audioCount; ++i) {
    const audio_attr_t& a = mat.vts_audio_attr[i];
    AudioStreamInfo& s = info.AudioStreams[i];
    switch (a.audio_format) {
      case 0: s.Coding = acAC3; break;
      case 2: s.Coding = acMPEG1; break;
      case 3: s.Coding = acMPEG2; break;
      case 4: s.Coding = acLPCM; break;
      case 6: s.Coding = acDTS; break;
      case 7: s.Coding = acSDDS; break;
      default: s.Coding = acUnknown; break;
    }
    CopyText(s.Language, a.lang_type == 1 ? LanguageNameOfCode(a.lang_code) : "");
    s.Extension = a.code_extension;
    s.SampleRate = a.sample_frequency == 1 ? 96000 : 48000;
    s.Channels = static_cast<std::uint8_t>(a.channels + 1);
    // The stream number the title's program chain maps this stream to.
    std::uint16_t control = pgc.audio_control[i];
    int number = (control & 0x8000) ? (control >> 8) & 7 : i;
    switch (s.Coding) {
      case acAC3: t.AudioIds[i] = 0x80 + number; break;
      case acDTS: t.AudioIds[i] = 0x88 + number; break;
      case acLPCM: t.AudioIds[i] = 0xA0 + number; break;
      case acMPEG1: case acMPEG2: t.AudioIds[i] = 0x1C0 + number; break;
      default: t.AudioIds[i] = -1; break;
    }
  }
  int subCount = mat.nr_of_vts_subp_streams > kMaxSubtitleStreams ? kMaxSubtitleStreams : mat.nr_of_vts_subp_streams;
  info.SubtitleStreamCount = subCount;
  for (int i = 0; i < subCount; ++i) {
    const subp_attr_t& a = mat.vts_subp_attr[i];
    CopyText(info.SubtitleStreams[i].Language, a.type == 1 ? LanguageNameOfCode(a.lang_code) : "");
    info.SubtitleStreams[i].CaptionKind = a.code_extension;
    std::uint32_t control = pgc.subp_control[i];
    int number = (control & 0x80000000u) ? (control >> 24) & 0x1F : i;
    t.SubtitleIds[i] = 0x20 + number;
  }
  for (int i = 0; i < 16; ++i) t.Palette[i] = YCrCbToRgb(pgc.palette[i]);
  t.HasPalette = true;
}

void DescribeVideo(const video_attr_t& v, TitleLayout& t) {
  bool pal = v.video_format == 1;
  t.FrameRateNum = pal ? 25 : 30000;
  t.FrameRateDen = pal ? 1 : 1001;
  int h = pal ? 576 : 480;
  static const int widths[4] = {720, 704, 352, 352};
  t.Width = widths[v.picture_size & 3];
  t.Height = (v.picture_size & 3) == 3 ? h / 2 : h;
  t.DisplayAspect = v.display_aspect_ratio == 3 ? 16.0 / 9.0 : 4.0 / 3.0;
}

// The cells of a program chain for each angle: a cell outside an angle block plays
// in every angle; in an angle block the n-th cell belongs to angle n.
void CollectCells(const pgc_t& pgc, int angleCount, TitleLayout& t) {
  t.Angles.assign(angleCount, {});
  int angleInBlock = 0;
  for (int c = 0; c < pgc.nr_of_cells; ++c) {
    const cell_playback_t& cell = pgc.cell_playback[c];
    SectorRange range{cell.first_sector, cell.last_sector};
    if (cell.block_type == 1) {  // angle block
      if (cell.block_mode == 1) angleInBlock = 0;  // first cell of the block
      if (angleInBlock < angleCount) t.Angles[angleInBlock].push_back(range);
      ++angleInBlock;
    } else {
      for (auto& angle : t.Angles) angle.push_back(range);
    }
  }
}

// Duration of one program (chapter) of a chain: its cells, counted once per angle block.
double ProgramSeconds(const pgc_t& pgc, int pgn) {
  if (pgn < 1 || pgn > pgc.nr_of_programs) return 0.0;
  int first = pgc.program_map[pgn - 1];
  int next = pgn < pgc.nr_of_programs ? pgc.program_map[pgn] : pgc.nr_of_cells + 1;
  double total = 0.0;
  for (int c = first; c < next && c <= pgc.nr_of_cells; ++c) {
    const cell_playback_t& cell = pgc.cell_playback[c - 1];
    if (cell.block_type == 1 && cell.block_mode != 1) continue;
    total += Seconds(cell.playback_time);
  }
  return total;
}

bool DescribeTitle(dvd_reader_t* dvd, const title_info_t& entry, std::vector<Ifo>& sets, TitleLayout& t) {
  int vtsn = entry.title_set_nr;
  if (vtsn < 1 || vtsn >= static_cast<int>(sets.size())) return false;
  if (!sets[vtsn]) sets[vtsn].reset(ifoOpen(dvd, vtsn));
  ifo_handle_t* vts = sets[vtsn].get();
  if (!vts || !vts->vtsi_mat || !vts->vts_ptt_srpt || !vts->vts_pgcit) return false;
  int ttn = entry.vts_ttn;
  if (ttn < 1 || ttn > vts->vts_ptt_srpt->nr_of_srpts) return false;
  const ttu_t& parts = vts->vts_ptt_srpt->title[ttn - 1];
  if (parts.nr_of_ptts < 1) return false;
  int pgcn = parts.ptt[0].pgcn;
  if (pgcn < 1 || pgcn > vts->vts_pgcit->nr_of_pgci_srp) return false;
  const pgc_t* pgc = vts->vts_pgcit->pgci_srp[pgcn - 1].pgc;
  if (!pgc || !pgc->cell_playback || !pgc->program_map) return false;

  t.TitleSet = vtsn;
  t.Info.Duration = Seconds(pgc->playback_time);
  t.Info.AngleCount = entry.nr_of_angles < 1 ? 1 : entry.nr_of_angles;
  int chapters = parts.nr_of_ptts > kMaxChapters ? kMaxChapters : parts.nr_of_ptts;
  t.Info.ChapterCount = chapters;
  for (int c = 0; c < chapters; ++c) {
    const ptt_info_t& ptt = parts.ptt[c];
    const pgc_t* chain = pgc;
    if (ptt.pgcn != pgcn && ptt.pgcn >= 1 && ptt.pgcn <= vts->vts_pgcit->nr_of_pgci_srp)
      chain = vts->vts_pgcit->pgci_srp[ptt.pgcn - 1].pgc;
    t.Info.ChapterDurations[c] = chain ? ProgramSeconds(*chain, ptt.pgn) : 0.0;
  }
  DescribeStreams(*vts->vtsi_mat, *pgc, t);
  DescribeVideo(vts->vtsi_mat->vts_video_attr, t);
  CollectCells(*pgc, t.Info.AngleCount, t);
  for (const auto& angle : t.Angles)
    if (angle.empty()) return false;
  return true;
}

}  // namespace

Source::~Source() {
  if (Dvd) DVDClose(Dvd);
}

std::unique_ptr<Source> OpenDvdSource(const std::string& path, int titleSetFilter) {
  static const dvd_logger_cb logger = {QuietLog};
  auto source = std::make_unique<Source>();
  source->Dvd = DVDOpen2(nullptr, &logger, path.c_str());
  if (!source->Dvd) return nullptr;
  Ifo vmg(ifoOpen(source->Dvd, 0));
  if (!vmg || !vmg->tt_srpt || !vmg->vmgi_mat) return nullptr;
  std::vector<Ifo> sets(vmg->vmgi_mat->vmg_nr_of_title_sets + 1);
  const tt_srpt_t& titles = *vmg->tt_srpt;
  for (int i = 0; i < titles.nr_of_srpts; ++i) {
    const title_info_t& entry = titles.title[i];
    if (titleSetFilter > 0 && entry.title_set_nr != titleSetFilter) continue;
    TitleLayout layout;
    std::fill(std::begin(layout.AudioIds), std::end(layout.AudioIds), -1);
    std::fill(std::begin(layout.SubtitleIds), std::end(layout.SubtitleIds), -1);
    if (!DescribeTitle(source->Dvd, entry, sets, layout)) return nullptr;
    source->Titles.push_back(std::move(layout));
  }
  if (titleSetFilter > 0 && source->Titles.empty()) return nullptr;
  return source;
}

}  // namespace disc
