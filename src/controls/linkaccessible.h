// Link accessible: a hyperlink label as a screen reader meets it.
#pragma once

class HyperlinkLabel;
class QAccessibleInterface;

// A link named by the label's text, described by its target, that can be pressed.
QAccessibleInterface* linkAccessible(HyperlinkLabel* label);
