// Captions of the standard dialog buttons, as button kinds and dialogs show them.
#pragma once

constexpr const char SOKButton[] = "OK";
constexpr const char SCancelButton[] = "Cancel";
constexpr const char SHelpButton[] = "&Help";
constexpr const char SYesButton[] = "&Yes";
constexpr const char SNoButton[] = "&No";
constexpr const char SCloseButton[] = "&Close";
constexpr const char SAbortButton[] = "Abort";
constexpr const char SRetryButton[] = "&Retry";
constexpr const char SIgnoreButton[] = "&Ignore";
constexpr const char SAllButton[] = "&All";
