// Registers the skinned popup menu and the skinned hint component for form
// definitions.
#pragma once

void PublishSkinMenuClasses();
