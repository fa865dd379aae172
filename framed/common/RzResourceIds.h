// Identifiers of the family's resources: the string table and the named bitmaps
// and cursor that the resource generator draws.
#pragma once

// Strings 65392-65397.
constexpr unsigned sRzHowToSelectTime = 65392;
constexpr unsigned sRzCaptionAM = 65393;
constexpr unsigned sRzCaptionPM = 65394;
constexpr unsigned sRzCaptionSet = 65395;
constexpr unsigned sRzCaptionClearBtn = 65396;
constexpr unsigned sRzCaptionTodayBtn = 65397;
// Strings 65408-65503: the colour picker's 70 colour names first, then the
// customisation form's nine captions, then the library's messages.
constexpr unsigned sRzColorNamesFirst = 65408;
constexpr int kRzColorNameCount = 70;
constexpr unsigned sRzCustomizeCaptionsFirst = sRzColorNamesFirst + kRzColorNameCount;  // 65478..65486
constexpr unsigned sRzNoRegIniFile = 65487;
constexpr unsigned sRzCannotSaveFraming = 65488;
constexpr unsigned sRzCannotLoadFraming = 65489;
constexpr unsigned sRzCannotLoadCustomColors = 65490;
constexpr unsigned sRzCannotSaveCustomColors = 65491;
