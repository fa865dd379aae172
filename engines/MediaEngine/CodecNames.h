// The container and codec names the media engine takes, and the FFmpeg encoder or
// muxer behind each. A name with no FFmpeg encoder in this build is refused, never
// replaced by another codec.
#pragma once

struct EncoderName {
  const char* name;        // the engine's name
  const char* ffmpegName;  // FFmpeg's encoder
  const char* tag;         // the four-character tag written by default, or null
};

// Null when the name is unknown or its encoder is not built in.
const EncoderName* FindVideoEncoder(const char* name);
const EncoderName* FindAudioEncoder(const char* name);
// FFmpeg's muxer name for a container name; null when no muxer writes it.
const char* FindContainer(const char* name);
