#pragma once

// What assistive technology reads of a wrapping tab bar, as it reads a one-row tab bar: a page
// tab list whose children are the visible tabs, each a page tab with its caption, its selected
// state, its place on the screen and a press action that makes it current.

namespace varn {

class WrappingTabBar;

// Makes queryAccessibleInterface answer for every WrappingTabBar; the bar calls it when it is
// made, and a second call does nothing.
void installWrappingTabBarAccessibility();

// The position of a tab among the bar's accessible children (its visible tabs); -1 for a hidden
// tab. The bar's events name their tab by it.
[[nodiscard]] int accessibleChildOf(const WrappingTabBar& bar, int tab);

}  // namespace varn
