// SPDX-License-Identifier: MIT
#ifndef TEXTEDITS_H
#define TEXTEDITS_H

class ZenubShape;

/*! Edits of text shapes as plain functions. */
namespace TextEdits {

/*!
    Makes every box of a text that grows to fit its words (a size of its own, box mode grow)
    exactly as large as its lines, keeping the side its lines align to (and the top) where it
    was drawn. False when nothing changed.
*/
bool fitBox(ZenubShape& shape);

} // namespace TextEdits

#endif
