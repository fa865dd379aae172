// The published properties of the core classes that definitions hold: components,
// fonts, pens and brushes, string lists, collections, pictures and graphics.
#pragma once

// Publishes the classes of the component layer's core that definitions use:
// TComponent (Name, Tag), TFont, TStrings, TPicture and the graphics, TCollection.
// Safe to call more than once.
void PublishCoreClasses();
