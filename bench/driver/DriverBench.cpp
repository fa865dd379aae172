// A whole title to MP3 at 128 kbit/s through the program's conversion driver: a
// main window on the benchmark DVD with 100 more rows in its title list (each
// progress report repaints the list), from the run's start to the closed file.
// Beside it the engine alone on the same job; both medians of three rounds.
#include <cstdio>
#include <memory>
#include <string>

#include "app/DVDConvertTask.h"
#include "app/KelvaneSettings.h"
#include "app/main/FormRegistrations.h"
#include "app/main/MainFrm.h"
#include "app/main/ResourceFrm.h"
#include "app/output/OutputSettingsFrm.h"
#include "bench/BenchMp3Path.h"
#include "bench/BenchSupport.h"
#include "platform/core/Lists.h"
#include "platform/core/Timer.h"

namespace {

constexpr int kRounds = 3;

DVDConvertTask* NewTask(const std::string& dvd, const std::string& program, bool checked) {
  auto* task = new DVDConvertTask();
  task->Source = skDVDFolder;
  task->SourcePath = dvd;
  task->VolumeLabel = "BENCH";
  task->Checked = checked;
  task->Title.Duration = 60;
  task->Name = "Title";
  auto* scheme = new TAudioEncoderScheme();
  scheme->PluginPath = program + "EncMP3.dll";
  const EncoderParameter pairs[] = {{0, 0}, {1, 128}, {6, 1}, {7, 2}, {8, -1}};
  for (int i = 0; i < 5; ++i) scheme->Params.Pairs[i] = pairs[i];
  scheme->Params.Count = 5;
  task->AudioScheme = scheme;
  task->Extension = "mp3";
  task->FormatCode = 8;
  return task;
}

double EngineAlone(const std::string& program, const std::string& dvd, const std::string& output) {
  DiscEngine* engine = DiscEngineObject;
  EncoderPlugin plugin(program + "EncMP3.dll");
  bench::Mp3Path mp3;
  mp3.Plugin = &plugin;
  mp3.Path = output;
  DiscEngineCallbacks cb{};
  cb.Context = &mp3;
  cb.OnTitleBegin = bench::Mp3Begin;
  cb.OnTitleEnd = bench::Mp3End;
  cb.OnAudioSamples = bench::Mp3Audio;
  bool ok = true;
  // The disc is opened once, as the driver keeps its source open between runs.
  engine->OpenDVD(dvd.c_str());
  const double seconds = bench::MedianSeconds(kRounds, [&] {
    engine->SetCallbacks(&cb);
    engine->SetSplitMode(smClips, 0);
    const TimeRange whole{-1, -1};
    engine->SetTimeRanges(1, &whole);
    engine->SelectTitle(0);
    engine->SetOutputStreams(kOutputAudioOnly);
    ok &= engine->Convert() == 0 && !mp3.Failed;
  });
  return ok ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = bench::ProgramFolder(argc, argv);
  ::SetDllDirectoryA(program.c_str());
  const std::string media = bench::MediaFolder();
  const std::string dvd = media + "dvd\\";
  UseProgramFormDefinitions();
  GetSettings()->DefaultOutputFolder = media + "driver-output\\";
  ResourceForm = NewForm<TResourceForm>(nullptr);
  std::unique_ptr<TMainForm> form(NewForm<TMainForm>(nullptr));
  DVDConvertTask* title = NewTask(dvd, program, true);
  form->TaskList->Add(title);
  for (int i = 0; i < 100; ++i) form->TaskList->Add(NewTask(dvd, program, false));
  form->RebuildTitleTree();
  form->Show();

  // The engine alone first: the same engine object then serves the driver.
  const double engine = EngineAlone(program, dvd, media + "engine.mp3");
  bool ok = true;
  const double driver = bench::MedianSeconds(kRounds, [&] {
    title->State = tsReady;
    form->RunConversion();
    form->ShowResultTimer->SetEnabled(false);  // no output folder opened in a window
    ok &= title->State == tsCompleted;
  });
  ::DeleteFileA((media + "engine.mp3").c_str());
  form.reset();
  if (!ok || engine < 0) {
    std::printf("driver: the title did not convert (is the benchmark DVD there? tools/make_bench_media.sh)\n");
    return 1;
  }
  std::printf("title to MP3: driver %.3f s, engine alone %.3f s, driver / engine %.3f (goal: under 1.05)\n", driver,
              engine, driver / engine);
  bench::ReportFloor("driver_to_mp3_vs_engine", driver, engine);
  bench::ReportTime("driver_to_mp3", driver);
  return 0;
}
