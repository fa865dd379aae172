// Publishes the skin data classes for form definitions: the container, the
// interface strings, the stored compressed skin and the skin list.
#pragma once

void PublishSkinDataClasses();  // safe to call more than once
