#pragma once

#include "Page.h"

namespace kelvarin::app {

// Creates the widget of a page: its own class when one is registered, else a page that shows
// nothing but the frame's title strip.
Page* createPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent);

}  // namespace kelvarin::app
