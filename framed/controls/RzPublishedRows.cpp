#include "framed/controls/RzPublishedRows.h"

#define RZ_NAMES(Function, ...)                 \
  const TEnumNames& Function() {                \
    static const TEnumNames names{__VA_ARGS__}; \
    return names;                               \
  }

RZ_NAMES(BiDiModeNames, "TBiDiMode",
         {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"})
RZ_NAMES(DragKindNames, "TDragKind", {"dkDrag", "dkDock"})
RZ_NAMES(DragModeNames, "TDragMode", {"dmManual", "dmAutomatic"})
RZ_NAMES(ImeModeNames, "TImeMode",
         {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira", "imSKata", "imKata",
          "imChinese", "imSHanguel", "imHanguel"})
RZ_NAMES(AlignmentVerticalNames, "TAlignmentVertical", {"avTop", "avCenter", "avBottom"})
RZ_NAMES(TextStyleNames, "TTextStyle", {"tsNormal", "tsRaised", "tsRecessed", "tsShadow"})
RZ_NAMES(HotTrackColorTypeNames, "TRzHotTrackColorType", {"htctComplement", "htctActual"})
RZ_NAMES(OrientationNames, "TOrientation", {"orHorizontal", "orVertical"})
RZ_NAMES(ButtonLayoutNames, "TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"})
RZ_NAMES(ColorDialogOptionNames, "TColorDialogOptions",
         {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor"})
RZ_NAMES(FontDeviceNames, "TRzFontDevice", {"fdScreen", "fdPrinter"})
RZ_NAMES(FontTypeNames, "TRzFontType", {"ftAll", "ftTrueType", "ftFixedPitch", "ftPrinter"})
RZ_NAMES(FontShowStyleNames, "TRzShowStyle", {"ssFontName", "ssFontSample", "ssFontNameAndSample", "ssFontPreview"})
RZ_NAMES(FontStyleNames, "TFontStyles", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"})
RZ_NAMES(CalendarElementNames, "TRzCalendarElement",
         {"ceYear", "ceMonth", "ceArrows", "ceWeekNumbers", "ceDaysOfWeek", "ceFillDays", "ceTodayButton",
          "ceClearButton"})
RZ_NAMES(FirstDayOfWeekNames, "TRzFirstDayOfWeek",
         {"fdowMonday", "fdowTuesday", "fdowWednesday", "fdowThursday", "fdowFriday", "fdowSaturday", "fdowSunday",
          "fdowLocale"})

#undef RZ_NAMES
