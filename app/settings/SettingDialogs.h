// The encoder setting dialogs offered to the audio presets: each dialog's maker
// registered as the presets' factory for its kind. The program does it once at
// start-up.
#pragma once

void RegisterSettingDialogs();
