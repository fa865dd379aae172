// The published properties of the skinned controls no window of the program
// creates (speed and graphic buttons, labels, panels, groups, bars, sliders,
// splitters, frame-picture controls, views and band containers), so form
// definitions create them; also their skin-change rows.
#pragma once

// Safe to call more than once.
void PublishSkinPeripheryControlClasses();

// One registration per area.
void PublishSkinButtonsPeriphery();
void PublishSkinLabelsPeriphery();
void PublishSkinPanelsPeriphery();
void PublishSkinBarsPeriphery();
void PublishSkinFramesPeriphery();
void PublishSkinViewsPeriphery();
void PublishSkinImagesMenu();
void RegisterSkinPeripherySkinChange();
