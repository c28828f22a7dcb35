// Property names. _TQN<prop>() returns the name "<prop>" as one shared constant
// string: every module spells a property name through these accessors, and
// each accessor hands out the same pointer on every call.
#ifndef _TQN_H
#define _TQN_H

// Every property name of the toolkit, in definition order. "alignment" and
// "dsn" are registered by no class but stay part of the vocabulary.
#define TQ_PROPERTY_NAMES(N) \
    N(titleString) N(userString) N(userValue) N(x) N(y) N(width) N(height) \
    N(shadowThickness) N(backColor) N(foreColor) N(topShadowColor) N(bottomShadowColor) \
    N(shadowType) N(vis) N(det) N(labelString) N(font) N(fontName) N(titleBar) N(twinBlink) \
    N(blinkColor) N(blinkRefreshing) N(pixmapStyle) N(labelPixmap) N(enableFep) N(interCur) \
    N(interval) N(cont) N(running) N(extension) N(maxLength) N(workWidth) N(workHeight) \
    N(barValue) N(vbarValue) N(hbarValue) N(hbarVisible) N(vbarVisible) N(workBackColor) \
    N(barThickness) N(increment) N(pageIncrement) N(sliderSize) N(value) N(maximum) \
    N(orientation) N(backPixmap) N(columns) N(cursorPos) N(menuItems) N(menuItemHeight) \
    N(barShadowColor) N(upward) N(downward) N(leftward) N(rightward) N(return) N(tab) \
    N(backtab) N(enableFocusMove) N(client) N(selectReset) N(selectString) N(selectColor) \
    N(selectForeColor) N(selectPixmap) N(indicatorPixmap) N(indicatorColor) N(indicatorOn) \
    N(indicatorType) N(indicatorSize) N(group) N(id) N(unique) N(scrollWidth) \
    N(scrollHeight) N(titleHeight) N(fillSpace) N(ifieldSkipMode) N(cursorAdjust) \
    N(dateFormat) N(weekFormat) N(clockFormat) N(secondOn) N(dirName) N(fileName) \
    N(maskFileName) N(replyHandler) N(defaultPosition) N(lineWidth) N(blinkType) \
    N(pushPixmap) N(blinkPixmap) N(marginTop) N(marginBottom) N(marginLeft) N(marginRight) \
    N(alignmentH) N(alignmentV) N(alignment) N(lineX) N(lineY) N(lineNum) N(value1) \
    N(value2) N(lineType) N(arrowDirection) N(blinkFlag) N(blinkRate) N(stippled) \
    N(hatchPattern) N(hatchColor) N(hatchBlinkColor) N(backColorFlag) N(backBlinkColor) \
    N(reverseFlag) N(minimum) N(angle1) N(angle2) N(arcType) N(dragInterval) \
    N(indicatorShadow) N(emboss) N(mouse) N(usePixmap) N(enableInput) N(ok) N(no) N(cancel) \
    N(okString) N(noString) N(cancelString) N(modal) N(type) N(maxHeight) N(multiSelect) \
    N(reverseSelect) N(margin) N(name) N(useIcon) N(iconPixmap) N(virtualScroll) N(noHatch) \
    N(selectDir) N(gradation) N(gradationMargin) N(shortcut) N(returnKeyFocus) N(exit) \
    N(itemHeight) N(data) N(dataSource) N(dataSourceName) N(anchorTop) N(anchorBottom) \
    N(anchorLeft) N(anchorRight) N(anchorTopFlag) N(anchorRightFlag) N(anchorLeftFlag) \
    N(anchorBottomFlag) N(flip) N(frame) N(format) N(workX) N(workY) N(displayOnly) \
    N(refreshing) N(vcolumns) N(hcolumns) N(separator) N(separator2) N(fit) N(ip) N(port) \
    N(timeout) N(export) N(username) N(password) N(dbname) N(dsn) N(hostname) N(status) \
    N(dbTableName) N(showItem) N(sortItems) N(sort) N(item) N(filter) N(pixmapOverlap) \
    N(keepPixmapCache) N(autoLineFeeding)

#define TQ_DECLARE_PROPERTY_NAME(prop) char* _TQN##prop();
TQ_PROPERTY_NAMES(TQ_DECLARE_PROPERTY_NAME)
#undef TQ_DECLARE_PROPERTY_NAME

#endif
