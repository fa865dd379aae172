// Times the skinned lists and inputs where the program's windows feel them, with
// the VARNEL skin, in one process so the ratios hold on a noisy machine:
// repainting a title list of 300 owner-drawn rows with its bars updated, beside
// the platform's list view; filling a list box of 1,000 and 2,000 items with the
// horizontal extent kept, beside the platform's list box (linear, within 2x);
// repainting a form of 58 combo boxes and 43 spin edits beside one BitBlt of it;
// a combo box's drop-down from the press to its painted list, against 100 ms.
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "bench/SkinBenchSupport.h"
#include "platform/comctrls/ListView.h"
#include "platform/controls/Application.h"
#include "platform/stdctrls/ListBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinCustomListBox.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinSpinEdit.h"

namespace {

using bench::BitBltOf;
using bench::Put;
using bench::RedrawAll;
using bench::ShownForm;

double Time(const std::function<void()>& job) { return bench::SecondsPerCall(job); }

void Row(const char* what, double seconds, const char* against = nullptr, double other = 0) {
  bench::PrintRow(what, seconds, against, other);
}

// The title list's rows: a caption and two columns of text per row, drawn by the
// list's owner as the main window draws its tree.
void DrawTitleRow(TCustomListView* view, TListItem* item, TRect rect, TOwnerDrawState) {
  TCanvas* c = view->Canvas();
  c->FillRect(rect);
  c->TextOut(rect.Left + 4, rect.Top + 1, item->Caption());
  c->TextOut(rect.Left + 230, rect.Top + 1, "00:42:17");
  c->TextOut(rect.Left + 300, rect.Top + 1, "Ready");
}

template <class View>
void FillTitles(View* view) {
  view->SetViewStyle(vsReport);
  for (const char* name : {"Name", "Duration", "Status"}) {
    TListColumn* column = view->Columns()->Add();
    column->SetCaption(name);
    column->SetWidth(name == std::string("Name") ? 225 : 75);
  }
  view->SetOwnerDraw(true);
  view->OnDrawItem = TLVDrawItemEvent::Function(&DrawTitleRow);
  for (int i = 0; i < 300; ++i) view->Items()->Add()->SetCaption("Title " + std::to_string(i + 1));
}

void TitleList(TspSkinData& data) {
  std::printf("Repainting a title list of 300 owner-drawn rows\n");
  auto skinnedForm = ShownForm(420, 360);
  auto* skinned = Put<TspSkinListView>(skinnedForm.get(), {8, 8, 389, 320});
  auto* bar = Put<TspSkinScrollBar>(skinnedForm.get(), {389, 8, 408, 320});
  bar->SetKind(sbVertical);
  bar->SetSkinData(&data);
  skinned->SetVScrollBar(bar);
  skinned->SetSkinData(&data);
  FillTitles(skinned);
  auto plainForm = ShownForm(420, 360);
  auto* plain = Put<TListView>(plainForm.get(), {8, 8, 408, 320});
  FillTitles(plain);
  double own = Time([&] { RedrawAll(plain); });
  double ours = Time([&] {
    RedrawAll(skinned);
    skinned->UpDateScrollBars();
  });
  Row("the platform's list view", own);
  Row("the skinned list view with VARNEL, bars updated", ours, "the platform's", own);
  bench::ReportTime("skin_listview_repaint", ours);
}

template <class List>
double Fill(List* list, int count) {
  return Time([&] {
    list->Items()->BeginUpdate();
    list->Items()->Clear();
    for (int i = 0; i < count; ++i) list->Items()->Add("Preset number " + std::to_string(i) + " with a longer name");
    list->Items()->EndUpdate();
  });
}

void ListBoxFill(TspSkinData& data) {
  std::printf("Filling a list box, horizontal extent kept\n");
  auto form = ShownForm(420, 360);
  auto* skinned = Put<TspSkinListBox>(form.get(), {8, 8, 200, 320});
  skinned->SetSkinData(&data);
  skinned->SetHorizontalExtent(true);
  auto* plain = Put<TListBox>(form.get(), {208, 8, 400, 320});
  double own = Fill(plain, 1000);
  double ours = Fill(skinned, 1000);
  double ours2 = Fill(skinned, 2000);
  Row("the platform's list box, 1,000 items", own);
  Row("the skinned list box, 1,000 items", ours, "the platform's (goal: within 2x)", own);
  Row("the skinned list box, 2,000 items", ours2, "1,000 items (linear: about 2x)", ours);
  bench::ReportTime("skin_listbox_fill_1000", ours);
}

void ComboAndSpinForm(TspSkinData& data) {
  std::printf("Repainting a form of 58 combo boxes and 43 spin edits\n");
  auto form = ShownForm(900, 560);
  for (int i = 0; i < 58; ++i) {
    auto* combo = Put<TspSkinComboBox>(form.get(), {8 + (i % 6) * 146, 8 + (i / 6) * 26, 148 + (i % 6) * 146, 28 + (i / 6) * 26});
    combo->SetSkinData(&data);
    combo->Items()->Add("128 kbit/s");
    combo->SetItemIndex(0);
  }
  for (int i = 0; i < 43; ++i) {
    auto* spin = Put<TspSkinSpinEdit>(form.get(), {8 + (i % 6) * 146, 280 + (i / 6) * 26, 128 + (i % 6) * 146, 300 + (i / 6) * 26});
    spin->SetSkinData(&data);
    spin->SetValue(i * 10);
  }
  Application.ProcessMessages();
  double blt = BitBltOf(form.get());
  double ours = Time([&] { RedrawAll(form.get()); });
  Row("one BitBlt of the client area", blt);
  Row("the skinned controls with VARNEL", ours, "the BitBlt", blt);
  bench::ReportTime("skin_combo_spin_form_repaint", ours);
}

void DropDown(TspSkinData& data) {
  std::printf("A combo box's drop-down, from the press to the painted list\n");
  auto form = ShownForm(300, 200);
  auto* combo = Put<TspSkinComboBox>(form.get(), {8, 8, 200, 28});
  combo->SetSkinData(&data);
  for (int i = 0; i < 40; ++i) combo->Items()->Add("Format " + std::to_string(i));
  double open = Time([&] {
    combo->DropDown();
    ::UpdateWindow(combo->PopupList()->Handle());
    combo->CloseUp(false);
  });
  Row("drop-down, painted and closed again", open, "the 100 ms budget", 0.1);
  bench::ReportTime("skin_combo_dropdown", open);
}

}  // namespace

int main(int argc, char** argv) {
  TspSkinData data(nullptr);
  if (!bench::LoadVarnelSkin(data, argc, argv)) return 1;
  TitleList(data);
  ListBoxFill(data);
  ComboAndSpinForm(data);
  DropDown(data);
  return 0;
}
