// The published properties of controls and forms, and the rule that nests a
// control in the windowed control around it.
#pragma once

// Publishes TControl, TWinControl, the forms and frames. Safe to call more than once.
void PublishControlClasses();
