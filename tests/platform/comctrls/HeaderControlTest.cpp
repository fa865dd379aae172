#include <gtest/gtest.h>

#include "platform/comctrls/ComCtrls.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/FormDefinition.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

const char* const kHeaderForm =
    "object HeaderForm: THeaderForm\r\n"
    "  Left = 0\r\n"
    "  Top = 0\r\n"
    "  Width = 400\r\n"
    "  Height = 100\r\n"
    "  BorderStyle = bsNone\r\n"
    "  object Header: THeaderControl\r\n"
    "    Left = 0\r\n"
    "    Top = 0\r\n"
    "    Width = 400\r\n"
    "    Height = 24\r\n"
    "    Sections = <\r\n"
    "      item\r\n"
    "        Text = 'Name'\r\n"
    "        MinWidth = 50\r\n"
    "        MaxWidth = 200\r\n"
    "        Width = 150\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Text = 'Size'\r\n"
    "        Width = 80\r\n"
    "        Alignment = taRightJustify\r\n"
    "        ImageIndex = 1\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Width = 100\r\n"
    "        Style = hsOwnerDraw\r\n"
    "      end>\r\n"
    "    OnDrawSection = HeaderDrawSection\r\n"
    "    OnSectionClick = HeaderSectionClick\r\n"
    "    OnSectionResize = HeaderSectionResize\r\n"
    "  end\r\n"
    "end\r\n";

class THeaderForm : public TForm {
public:
  explicit THeaderForm(TComponent* owner) : TForm(owner) {
    PublishCommonControlClasses();
    TFormBindings bindings;
    bindings.Field("Header", Header)
        .Handler("HeaderDrawSection", this, &THeaderForm::HeaderDrawSection)
        .Handler("HeaderSectionClick", this, &THeaderForm::HeaderSectionClick)
        .Handler("HeaderSectionResize", this, &THeaderForm::HeaderSectionResize);
    ReadComponentText(this, kHeaderForm, bindings);
  }

  void HeaderDrawSection(THeaderControl* sender, THeaderSection* section, TRect rect, bool) {
    Drawn.push_back(section);
    sender->Canvas()->Brush()->SetColor(TColor(0x00FF00));
    sender->Canvas()->FillRect(rect);
  }
  void HeaderSectionClick(THeaderControl*, THeaderSection* section) { Clicked.push_back(section); }
  void HeaderSectionResize(THeaderControl*, THeaderSection* section) { Resized.push_back(section->Width()); }

  THeaderControl* Header = nullptr;  // borrowed from the definition
  std::vector<THeaderSection*> Drawn;
  std::vector<THeaderSection*> Clicked;
  std::vector<int> Resized;
};

HDITEMA NativeItem(THeaderControl* header, int index, char* text, int size) {
  HDITEMA item = {};
  item.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = size;
  ::SendMessageA(header->Handle(), HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
  return item;
}

}  // namespace

// Sections come from the definition with their texts, widths, limits, alignment,
// image and style, and the window shows them so.
TEST(HeaderControl, TakesItsSectionsFromTheDefinition) {
  THeaderForm form(nullptr);
  THeaderControl* header = form.Header;
  ASSERT_EQ(header->Sections()->Count(), 3);
  EXPECT_EQ(header->Align(), alTop);
  THeaderSection* name = header->Sections()->Items(0);
  EXPECT_EQ(name->Width(), 150);
  EXPECT_EQ(name->MaxWidth(), 200);
  EXPECT_EQ(header->Sections()->Items(1)->Left(), 150);
  EXPECT_EQ(header->Sections()->Items(2)->Right(), 330);

  char text[32] = {};
  HDITEMA size = NativeItem(header, 1, text, sizeof(text));
  EXPECT_STREQ(text, "Size");
  EXPECT_EQ(size.cxy, 80);
  EXPECT_EQ(size.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
  EXPECT_EQ(size.iImage, 1);
  HDITEMA drawn = NativeItem(header, 2, text, sizeof(text));
  EXPECT_TRUE(drawn.fmt & HDF_OWNERDRAW);
  EXPECT_TRUE(::GetWindowLongPtrA(header->Handle(), GWL_STYLE) & HDS_BUTTONS);

  // The limits hold for widths set from code.
  name->SetWidth(500);
  EXPECT_EQ(name->Width(), 200);
  EXPECT_EQ(NativeItem(header, 0, text, sizeof(text)).cxy, 200);
  name->SetWidth(10);
  EXPECT_EQ(name->Width(), 50);
  EXPECT_TRUE(form.Resized.empty()) << "widths set from code are no resize by the user";
}

// The owner-drawn section is painted by OnDrawSection in its own rectangle.
TEST(HeaderControl, OwnerDrawnSectionsArePaintedByTheHandler) {
  THeaderForm form(nullptr);
  form.Show();
  PumpUntil([&] { return !form.Drawn.empty(); });
  ASSERT_FALSE(form.Drawn.empty());
  EXPECT_EQ(form.Drawn.back(), form.Header->Sections()->Items(2));
  PumpMessages();
  CapturedPixels pixels = CaptureClient(form.Header->Handle());
  EXPECT_EQ(pixels.At(280, 12), 0x00FF00u);
  EXPECT_NE(pixels.At(100, 12), 0x00FF00u);
}

// A click on a section of a button-style header reports that section; a flat
// header reports none.
TEST(HeaderControl, ClicksOnSectionsByStyle) {
  for (THeaderStyle style : {hsButtons, hsFlat}) {
    THeaderForm form(nullptr);
    form.Header->SetStyle(style);
    form.Show();
    PumpMessages();
    PostClick(form.Header, 190, 10);
    PumpUntil([&] { return !form.Clicked.empty(); }, style == hsButtons ? 2000 : 300);
    if (style == hsButtons) {
      ASSERT_EQ(form.Clicked.size(), 1u);
      EXPECT_EQ(form.Clicked[0], form.Header->Sections()->Items(1));
    } else {
      EXPECT_TRUE(form.Clicked.empty());
    }
  }
}

// A width the window reports (the user dragged a divider) reaches the section
// within its limits, and OnSectionResize runs.
TEST(HeaderControl, AResizeByTheUserKeepsTheLimits) {
  THeaderForm form(nullptr);
  THeaderControl* header = form.Header;
  form.Show();
  PumpMessages();
  for (int asked : {120, 260}) {
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    item.cxy = asked;
    ::SendMessageA(header->Handle(), HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  EXPECT_EQ(form.Resized, (std::vector<int>{120, 200}));
  EXPECT_EQ(header->Sections()->Items(0)->Width(), 200);
  char text[32] = {};
  EXPECT_EQ(NativeItem(header, 0, text, sizeof(text)).cxy, 200);

  // Sections survive a new window.
  header->SetHotTrack(true);
  EXPECT_EQ(::SendMessageA(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(NativeItem(header, 0, text, sizeof(text)).cxy, 200);
  header->Sections()->Delete(1);
  EXPECT_EQ(::SendMessageA(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
  NativeItem(header, 1, text, sizeof(text));
  EXPECT_STREQ(text, "");
}
