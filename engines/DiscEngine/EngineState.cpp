#include "engines/DiscEngine/EngineState.h"

#include <algorithm>

namespace disc {

const TitleLayout* EngineState::SelectedTitle() const {
  if (!Opened || Title < 0 || Title >= static_cast<int>(Opened->Titles.size())) return nullptr;
  return &Opened->Titles[Title];
}

double EngineState::GainOf(double volume) {
  if (!(volume > 0.0)) return 0.0;
  return std::min(volume, 30.0) / 3.0;
}

bool EngineState::MakeDecoder(TitleDecoder& decoder, bool wantVideo, bool wantAudio, double startSeconds) const {
  const TitleLayout* title = SelectedTitle();
  if (!title) return false;
  std::unique_ptr<TitleStream> stream;
  if (title->TitleSet > 0) {
    if (Angle < 0 || Angle >= static_cast<int>(title->Angles.size())) return false;
    stream = std::make_unique<TitleStream>(*Opened, *title, Angle);
  } else {
    stream = std::make_unique<TitleStream>(Opened->Files);
  }
  if (!stream->IsOpen()) return false;
  DecodeOptions options;
  options.WantVideo = wantVideo;
  options.WantAudio = wantAudio;
  if (Audio >= 0 && Audio < title->Info.AudioStreamCount) options.AudioId = title->AudioIds[Audio];
  if (Subtitle >= 1 && Subtitle <= title->Info.SubtitleStreamCount) options.SubtitleId = title->SubtitleIds[Subtitle - 1];
  options.Palette = title->HasPalette ? title->Palette : nullptr;
  options.Picture = Picture;
  options.Gain = GainOf(Volume);
  (void)startSeconds;
  return decoder.Open(std::move(stream), options, 0);
}

}  // namespace disc
