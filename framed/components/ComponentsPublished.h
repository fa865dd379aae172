// The published properties of the custom colours, the menu controller and the
// dialog component.
#pragma once

void PublishFramedComponents();
