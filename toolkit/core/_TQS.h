// Builder titles. _TQS<prop>() returns the message-catalogue key of the title
// under which the interface builder shows a property: an id, ":TQSTR ", then
// the English title. The translated texts live in the catalogues; here only
// the keys are fixed. Each accessor returns the same pointer on every call.
#ifndef _TQS_H
#define _TQS_H

// Every title, in definition order. Ids repeat; only the whole key is unique.
// alignmentH2, alignmentV2 and gradation2 have no property name of their own:
// they title alignmentH, alignmentV and gradation in the classes whose choices
// differ from the common ones.
#define TQ_PROPERTY_TITLES(S) \
    S(titleString,       "A1:TQSTR Title string") \
    S(userString,        "B1:TQSTR User string") \
    S(userValue,         "C1:TQSTR User value") \
    S(x,                 "D1:TQSTR X") \
    S(y,                 "E1:TQSTR Y") \
    S(width,             "F1:TQSTR Width") \
    S(height,            "G1:TQSTR Height") \
    S(shadowThickness,   "H1:TQSTR Shadow thickness") \
    S(backColor,         "I1:TQSTR Background") \
    S(foreColor,         "J1:TQSTR Foreground") \
    S(topShadowColor,    "K1:TQSTR Top shadow color") \
    S(bottomShadowColor, "L1:TQSTR Bottom shadow color") \
    S(shadowType,        "M1:TQSTR Shadow type") \
    S(vis,               "N1:TQSTR Visibility") \
    S(det,               "O1:TQSTR Sensitivity") \
    S(labelString,       "P1:TQSTR Label string") \
    S(font,              "Q1:TQSTR Font No.") \
    S(fontName,          "R1:TQSTR Font name") \
    S(titleBar,          "S1:TQSTR Title bar") \
    S(twinBlink,         "T1:TQSTR Twin blinking") \
    S(blinkColor,        "U1:TQSTR Blink color") \
    S(blinkRefreshing,   "V1:TQSTR Blink refreshing") \
    S(pixmapStyle,       "W1:TQSTR Pixmap style") \
    S(labelPixmap,       "X1:TQSTR Label pixmap") \
    S(enableFep,         "Y1:TQSTR Enable Input Method") \
    S(interCur,          "Z1:TQSTR Insert mode") \
    S(interval,          "Z1:TQSTR Interval") \
    S(cont,              "Z1:TQSTR Continuation") \
    S(running,           "Z1:TQSTR Running") \
    S(extension,         "Z1:TQSTR Extension") \
    S(maxLength,         "a1:TQSTR Max length") \
    S(workWidth,         "b1:TQSTR Work width") \
    S(workHeight,        "c1:TQSTR Work height") \
    S(barValue,          "d1:TQSTR Bar position") \
    S(vbarValue,         "e1:TQSTR Vertical bar position") \
    S(hbarValue,         "f1:TQSTR Horizontal bar position") \
    S(hbarVisible,       "g1:TQSTR H. bar visibility") \
    S(vbarVisible,       "h1:TQSTR V. bar visibility") \
    S(workBackColor,     "i1:TQSTR Work background") \
    S(barThickness,      "j1:TQSTR Bar thickness") \
    S(increment,         "k1:TQSTR Increment") \
    S(pageIncrement,     "l1:TQSTR Page increment") \
    S(sliderSize,        "m1:TQSTR Slider size") \
    S(value,             "n1:TQSTR Value") \
    S(maximum,           "o1:TQSTR Maximum") \
    S(orientation,       "p1:TQSTR Orientation") \
    S(backPixmap,        "q1:TQSTR Back pixmap") \
    S(columns,           "r1:TQSTR Columns") \
    S(cursorPos,         "s1:TQSTR Cursor position") \
    S(menuItems,         "t1:TQSTR Menu items") \
    S(menuItemHeight,    "u1:TQSTR Menu item height") \
    S(barShadowColor,    "v1:TQSTR Bar shadow color") \
    S(upward,            "w1:TQSTR Upward") \
    S(downward,          "x1:TQSTR Downward") \
    S(leftward,          "y1:TQSTR Leftward") \
    S(rightward,         "z1:TQSTR Rightward") \
    S(return,            "A1:TQSTR Return key focus moving") \
    S(tab,               "A1:TQSTR Tab key focus moving") \
    S(backtab,           "A1:TQSTR Back-Tab key focus moving") \
    S(enableFocusMove,   "B1:TQSTR Enable focus moving") \
    S(client,            "C1:TQSTR Client") \
    S(selectReset,       "D1:TQSTR Reset Selection") \
    S(selectString,      "E1:TQSTR Select string") \
    S(selectColor,       "F1:TQSTR Select color") \
    S(selectForeColor,   "G1:TQSTR Select fore color") \
    S(selectPixmap,      "H1:TQSTR Select pixmap") \
    S(indicatorPixmap,   "I1:TQSTR Indicator pixmap") \
    S(indicatorColor,    "J1:TQSTR Indicator color") \
    S(indicatorOn,       "K1:TQSTR Indicator on") \
    S(indicatorType,     "L1:TQSTR Indicator type") \
    S(indicatorSize,     "M1:TQSTR Indicator size") \
    S(group,             "N1:TQSTR Group") \
    S(id,                "O1:TQSTR Id") \
    S(unique,            "P1:TQSTR Unique") \
    S(scrollWidth,       "Q1:TQSTR Scroll width") \
    S(scrollHeight,      "R1:TQSTR Scroll height") \
    S(titleHeight,       "S1:TQSTR Title height") \
    S(fillSpace,         "T1:TQSTR Fill space") \
    S(ifieldSkipMode,    "U1:TQSTR Field skipping") \
    S(cursorAdjust,      "V1:TQSTR Cursor adjusting") \
    S(dateFormat,        "W1:TQSTR Date format") \
    S(weekFormat,        "X1:TQSTR Week format") \
    S(clockFormat,       "Y1:TQSTR Clock format") \
    S(secondOn,          "Z1:TQSTR Second") \
    S(dirName,           "a1:TQSTR Directory name") \
    S(fileName,          "b1:TQSTR File name") \
    S(maskFileName,      "c1:TQSTR Mask file suffix") \
    S(replyHandler,      "d1:TQSTR Reply handler") \
    S(defaultPosition,   "e1:TQSTR Default position") \
    S(lineWidth,         "f1:TQSTR Line width") \
    S(blinkType,         "g1:TQSTR Blink type") \
    S(pushPixmap,        "h1:TQSTR Push pixmap") \
    S(blinkPixmap,       "i1:TQSTR Blink pixmap") \
    S(marginTop,         "j1:TQSTR Margin top") \
    S(marginBottom,      "k1:TQSTR Margin bottom") \
    S(marginLeft,        "l1:TQSTR Margin Left") \
    S(marginRight,       "m1:TQSTR Margin Right") \
    S(alignmentH,        "n1:TQSTR H. Alignment") \
    S(alignmentH2,       "n1:TQSTR H. Alignment2") \
    S(alignmentV,        "o1:TQSTR V. Alignment") \
    S(alignmentV2,       "o1:TQSTR V. Alignment2") \
    S(lineX,             "p1:TQSTR line Xs") \
    S(lineY,             "q1:TQSTR line Ys") \
    S(lineNum,           "r1:TQSTR points") \
    S(value1,            "s1:TQSTR Value 1") \
    S(value2,            "t1:TQSTR Value 2") \
    S(lineType,          "u1:TQSTR Line type") \
    S(arrowDirection,    "v1:TQSTR Arrow Direction") \
    S(blinkFlag,         "w1:TQSTR Blinking") \
    S(blinkRate,         "x1:TQSTR Blink rate") \
    S(stippled,          "y1:TQSTR Use hatch pattern") \
    S(hatchPattern,      "z1:TQSTR Hatch pattern") \
    S(hatchColor,        "A1:TQSTR Hatch pattern color") \
    S(hatchBlinkColor,   "B1:TQSTR Hatch pattern blink color") \
    S(backColorFlag,     "C1:TQSTR Use back color") \
    S(backBlinkColor,    "D1:TQSTR Back blink color") \
    S(reverseFlag,       "E1:TQSTR Reverse on") \
    S(minimum,           "F1:TQSTR Minimum") \
    S(angle1,            "G1:TQSTR Angle 1") \
    S(angle2,            "H1:TQSTR Angle 2") \
    S(arcType,           "I1:TQSTR Arc type") \
    S(dragInterval,      "J1:TQSTR Drag interval") \
    S(indicatorShadow,   "K1:TQSTR Indicator shadow") \
    S(emboss,            "L1:TQSTR Emboss") \
    S(mouse,             "M1:TQSTR Mouse No.") \
    S(usePixmap,         "N1:TQSTR Use pixmap") \
    S(enableInput,       "O1:TQSTR Enable input") \
    S(ok,                "P1:TQSTR Enable OK button") \
    S(no,                "Q1:TQSTR Enable NO button") \
    S(cancel,            "R1:TQSTR Enable CANCEL button") \
    S(okString,          "S1:TQSTR OK btn string") \
    S(noString,          "T1:TQSTR NO btn string") \
    S(cancelString,      "U1:TQSTR CANCEL btn string") \
    S(modal,             "V1:TQSTR Modal") \
    S(type,              "W1:TQSTR Type") \
    S(maxHeight,         "X1:TQSTR Max height") \
    S(multiSelect,       "Y1:TQSTR Multi selection") \
    S(reverseSelect,     "Z1:TQSTR Reverse select") \
    S(margin,            "a1:TQSTR Margin") \
    S(name,              "b1:TQSTR Name") \
    S(useIcon,           "c1:TQSTR Use icon") \
    S(iconPixmap,        "d1:TQSTR Icon pixmap") \
    S(virtualScroll,     "e1:TQSTR Virtual scroll") \
    S(noHatch,           "f1:TQSTR No hatching") \
    S(selectDir,         "g1:TQSTR Select dir") \
    S(gradation,         "h1:TQSTR Gradation type") \
    S(gradation2,        "i1:TQSTR Gradation") \
    S(gradationMargin,   "j1:TQSTR GradationMargin") \
    S(shortcut,          "k1:TQSTR Short cut key") \
    S(returnKeyFocus,    "l1:TQSTR Return key focus") \
    S(exit,              "m1:TQSTR Exit") \
    S(itemHeight,        "m1:TQSTR ItemHeight") \
    S(data,              "m1:TQSTR Data") \
    S(dataSource,        "m1:TQSTR DataSource") \
    S(dataSourceName,    "m1:TQSTR DataSourceName") \
    S(anchorTop,         "m1:TQSTR AnchorTop") \
    S(anchorBottom,      "m1:TQSTR AnchorBottom") \
    S(anchorLeft,        "m1:TQSTR AnchorLeft") \
    S(anchorRight,       "m1:TQSTR AnchorRight") \
    S(anchorTopFlag,     "m1:TQSTR AnchorTopFlag") \
    S(anchorBottomFlag,  "m1:TQSTR AnchorBottomFlag") \
    S(anchorLeftFlag,    "m1:TQSTR AnchorLeftFlag") \
    S(anchorRightFlag,   "m1:TQSTR AnchorRightFlag") \
    S(flip,              "m1:TQSTR Flip") \
    S(frame,             "o1:TQSTR Frame") \
    S(format,            "o1:TQSTR Format") \
    S(workX,             "o1:TQSTR WorkX") \
    S(workY,             "o1:TQSTR WorkY") \
    S(displayOnly,       "o1:TQSTR DisplayOnly") \
    S(refreshing,        "o2:TQSTR Refreshing") \
    S(vcolumns,          "o2:TQSTR VColumns") \
    S(hcolumns,          "o2:TQSTR HColumns") \
    S(separator,         "o2:TQSTR Separator") \
    S(separator2,        "o2:TQSTR Separator2") \
    S(fit,               "o2:TQSTR Fit") \
    S(ip,                "o2:TQSTR IP") \
    S(port,              "o2:TQSTR Port") \
    S(timeout,           "o2:TQSTR Timeout") \
    S(export,            "o2:TQSTR Export") \
    S(username,          "o2:TQSTR UserName") \
    S(password,          "o2:TQSTR Password") \
    S(dbname,            "o2:TQSTR DBName") \
    S(dsn,               "o2:TQSTR DSN") \
    S(hostname,          "o2:TQSTR HostName") \
    S(status,            "o2:TQSTR Status") \
    S(dbTableName,       "o2:TQSTR DB TableName") \
    S(showItem,          "o2:TQSTR ShowItem") \
    S(sortItems,         "o2:TQSTR SortItems") \
    S(sort,              "o2:TQSTR Sort") \
    S(item,              "o2:TQSTR Item") \
    S(filter,            "o2:TQSTR Filter") \
    S(pixmapOverlap,     "o2:TQSTR Pixmap Overlap") \
    S(keepPixmapCache,   "p2:TQSTR Keep Pixmap Cache") \
    S(autoLineFeeding,   "p2:TQSTR Automatic Line Feeding")

#define TQ_DECLARE_PROPERTY_TITLE(prop, key) char* _TQS##prop();
TQ_PROPERTY_TITLES(TQ_DECLARE_PROPERTY_TITLE)
#undef TQ_DECLARE_PROPERTY_TITLE

#endif
