// Enumerations of enumerated properties. _TQR<enum>() returns the null-terminated
// list of choice keys (message-catalogue keys the builder shows) and
// _TQR<enum>D() the null-terminated list of value strings at the same positions.
// The lists are constant and shared by every property that takes the pair;
// callers find a choice by comparing entry pointers, so each accessor returns
// the same array on every call.
#ifndef _TQR_H
#define _TQR_H

// Every enumeration, in definition order.
#define TQ_ENUMERATIONS(R) \
    R(type) R(blinkType) R(shadowType) R(shadowType2) R(pixmapStyle) R(indicatorType) \
    R(bool) R(bool1) R(bool2) R(bool3) R(bool4) R(bool5) R(bool6) R(alignmentV) \
    R(alignmentH) R(alignmentV2) R(alignmentH2) R(orientation) R(lineType) R(hatchPattern) \
    R(arcType) R(rateType) R(dateFormat) R(weekFormat) R(clockFormat) R(titleBar) \
    R(titleBar2) R(arrowDirection) R(gradation) R(dataSource) R(prformat) R(prOut) \
    R(orientation2) R(typedb) R(fepStatus)

#define TQ_DECLARE_ENUMERATION(e) \
    char** _TQR##e();             \
    char** _TQR##e##D();
TQ_ENUMERATIONS(TQ_DECLARE_ENUMERATION)
#undef TQ_DECLARE_ENUMERATION

#endif
