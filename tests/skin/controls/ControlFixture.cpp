#include "tests/skin/controls/ControlFixture.h"

#include <set>
#include <tuple>

#include "platform/io/IniFiles.h"
#include "skin/data/SkinTypeWords.h"

namespace {

// Keys that hold rectangles relative to the piece, not areas of the picture.
const std::set<String> kRelativeKeys{"clientrect", "captionrect", "checkimagearea", "textarea",   "trackarea",
                                     "progressarea", "trackbuttonrect", "frametextrect", "itemtextrect"};

std::vector<String> SplitLines(const String& text) {
  std::vector<String> lines;
  String line;
  for (char c : text) {
    if (c == '\n' || c == ';') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

String Trimmed(const String& s) {
  size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
  return a == String::npos ? String() : s.substr(a, b - a + 1);
}

bool ParseRect(const String& value, TRect& r) {
  return std::sscanf(value.c_str(), "%d,%d,%d,%d", &r.Left, &r.Top, &r.Right, &r.Bottom) == 4;
}

// Colour i of a sequence with no white, black or fuchsia and no repeats for the
// first few hundred.
TColor ZoneColour(int i) {
  int r = 40 + (i * 67) % 200, g = 30 + (i * 131) % 210, b = 50 + (i * 29) % 190;
  return static_cast<TColor>(r | (g << 8) | (b << 16));
}

}  // namespace

TestSkin::TestSkin() : data(nullptr) { data.ActivePictures.push_back(std::make_unique<TBitmap>()); }

TspDataSkinControl* TestSkin::Add(const String& typeWord, const String& name, const String& lines) {
  const SkinControlWord* word = FindTypeWord(SkinControlWords(), typeWord);
  if (!word) throw Exception("no record class for " + typeWord);
  std::unique_ptr<TspDataSkinControl> record(word->create(name));
  TMemIniFile ini("");
  ini.WriteString(name, "pictureindex", "0");
  for (const String& line : SplitLines(lines)) {
    size_t eq = line.find('=');
    if (eq == String::npos) continue;
    String key = Trimmed(line.substr(0, eq)), value = Trimmed(line.substr(eq + 1));
    ini.WriteString(name, key, value);
    TRect area;
    bool isRect = key.size() > 4 && (key.ends_with("rect") || key.ends_with("area"));
    if (isRect && !kRelativeKeys.count(key) && ParseRect(value, area) && !area.IsEmpty())
      zones_.push_back({name, key, area});
  }
  record->LoadFromFile(ini);
  TspDataSkinControl* made = record.get();
  data.CtrlList.push_back(std::move(record));
  return made;
}

TspSkinData& TestSkin::Finish() {
  int width = 1, height = 1;
  for (const PictureZone& z : zones_) width = std::max(width, z.area.Right), height = std::max(height, z.area.Bottom);
  TBitmap& picture = Picture();
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(width, height);
  TCanvas* canvas = picture.Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(TRect{0, 0, width, height});
  int i = 0;
  std::map<std::tuple<int, int, int, int>, TColor> byArea;  // a rectangle named twice keeps one colour
  for (const PictureZone& z : zones_) {
    auto area = std::make_tuple(z.area.Left, z.area.Top, z.area.Right, z.area.Bottom);
    auto known = byArea.find(area);
    TColor colour = known != byArea.end() ? known->second : ZoneColour(i++);
    byArea[area] = colour;
    colours_[z.name + "/" + z.key] = colour;
    canvas->Brush()->SetColor(colour);
    canvas->FillRect(z.area);
    canvas->SetPixels(z.area.Left, z.area.Bottom - 1, clFuchsia);
  }
  data.Empty = false;
  return data;
}

TColor TestSkin::ColorOf(const String& name, const String& key) const {
  auto it = colours_.find(name + "/" + key);
  return it == colours_.end() ? clNone : it->second;
}

std::unique_ptr<TBitmap> Render(TControl* control) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(std::max<Integer>(control->Width(), 1), std::max<Integer>(control->Height(), 1));
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FillRect(TRect{0, 0, b->Width(), b->Height()});
  control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(b->Canvas()->Handle()), 0);
  return b;
}

TColor PixelOf(TBitmap& bitmap, int x, int y) { return bitmap.Canvas()->Pixels(x, y); }

FormFixture::FormFixture() {
  form = NewForm<TForm>(nullptr);
  form->SetBounds(0, 0, 400, 300);
  form->SetColor(clGreen);
  form->HandleNeeded();
}

FormFixture::~FormFixture() { delete form; }
