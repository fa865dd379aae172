// The PNG picture, the PNG image list and its view, as form definitions read
// and write them.
#pragma once

void PublishPngImageClasses();
