// TCustomMemo: the multi-line edit. Its Lines are the text split at line
// breaks (CR LF, or a lone CR or LF), whether or not the window wraps them.
#include <algorithm>
#include <vector>

#include "platform/stdctrls/Memo.h"

namespace {

std::vector<String> SplitLines(const String& text) {
  std::vector<String> lines;
  String line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

String JoinLines(const std::vector<String>& lines) {
  String text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace

// The lines of a memo, read from and written to its text.
class TMemoLines : public TStrings {
public:
  explicit TMemoLines(TCustomMemo* memo) : memo_(memo) {}

  String Get(int index) const override {
    const std::vector<String> lines = SplitLines(memo_->Text());
    Check(index, lines.size());
    return lines[static_cast<size_t>(index)];
  }
  int Count() const override { return static_cast<int>(SplitLines(memo_->Text()).size()); }
  void Put(int index, const String& text) override {
    std::vector<String> lines = SplitLines(memo_->Text());
    Check(index, lines.size());
    lines[static_cast<size_t>(index)] = text;
    memo_->SetText(JoinLines(lines));
  }
  void Insert(int index, const String& text) override {
    std::vector<String> lines = SplitLines(memo_->Text());
    Check(index, lines.size() + 1);
    lines.insert(lines.begin() + index, text);
    memo_->SetText(JoinLines(lines));
  }
  void Delete(int index) override {
    std::vector<String> lines = SplitLines(memo_->Text());
    Check(index, lines.size());
    lines.erase(lines.begin() + index);
    memo_->SetText(JoinLines(lines));
  }
  void Clear() override { memo_->SetText(String()); }
  String Text() const override {
    const std::vector<String> lines = SplitLines(memo_->Text());
    String text;
    for (const String& line : lines) text += line + "\r\n";
    return text;
  }
  void SetText(const String& text) override { memo_->SetText(JoinLines(SplitLines(text))); }

private:
  static void Check(int index, size_t count) {
    if (index < 0 || static_cast<size_t>(index) >= count)
      throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  }
  TCustomMemo* memo_;  // borrowed: the memo owns these lines
};

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoLines>(this)) {
  ControlStyle &= ~csFixedHeight;
  TControl::SetAutoSize(false);
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

TStrings* TCustomMemo::Lines() const { return lines_.get(); }
void TCustomMemo::SetLines(const TStrings* value) { lines_->Assign(value); }

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  static const DWORD kAlignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  static const DWORD kScrollBars[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
  params.Style |= ES_MULTILINE | kAlignments[alignment_] | kScrollBars[scrollBars_];
  // The window itself takes Enter as a line break only with this style.
  if (wantReturns_) params.Style |= ES_WANTRETURN;
  if (wordWrap_ && scrollBars_ != ssHorizontal && scrollBars_ != ssBoth) params.Style &= ~ES_AUTOHSCROLL;
  if (!wordWrap_) params.Style |= ES_AUTOHSCROLL;
}

void TCustomMemo::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TCustomMemo::SetWantReturns(bool value) {
  if (wantReturns_ == value) return;
  wantReturns_ = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  RecreateWnd();
}

TPoint TCustomMemo::CaretPos() const {
  const int start = SelStart();
  const String text = Text();
  int line = 0, column = 0;
  for (int i = 0; i < start && i < static_cast<int>(text.size()); ++i) {
    if (text[static_cast<size_t>(i)] == '\n') {
      ++line;
      column = 0;
    } else if (text[static_cast<size_t>(i)] != '\r') {
      ++column;
    }
  }
  return TPoint{column, line};
}

// Enter and Tab are the memo's own keys only when it wants them; otherwise they
// go to the form (the default button, the next control).
void TCustomMemo::Dispatch(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    TCustomEdit::Dispatch(message);
    message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    if (wantReturns_) message.Result |= DLGC_WANTALLKEYS;
    if (wantTabs_) message.Result |= DLGC_WANTTAB;
    // Escape is never the memo's.
    if (message.LParam && reinterpret_cast<const MSG*>(message.LParam)->wParam == VK_ESCAPE)
      message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    return;
  }
  TCustomEdit::Dispatch(message);
}

void TCustomMemo::KeyPress(char& key) {
  TCustomEdit::KeyPress(key);
  if ((key == '\r' && !wantReturns_) || (key == '\t' && !wantTabs_)) key = 0;
}
