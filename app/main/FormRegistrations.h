// Everything the program's form definitions may name: the component layer's
// classes, the bitmap library's image controls, the skin engine's and the framed
// family's components, and the PNG picture class for the forms' PNG pictures.
#pragma once

void UseProgramFormDefinitions();  // safe to call more than once
