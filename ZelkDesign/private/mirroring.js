.pragma library

// Where an item laid out from the left stands in a mirrored layout: as far
// from the right end of the `span` it lies in as it stood from the left end.
// Qt mirrors anchors, positioners and views by itself, but never an explicit x.
function x(leftToRightX, width, span, mirrored) {
    return mirrored ? span - leftToRightX - width : leftToRightX;
}
