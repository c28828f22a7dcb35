// One road for the messages of the analysis code, so that they reach the
// user the same way wherever they arise.
#ifndef ANALYSISMESSAGE_H
#define ANALYSISMESSAGE_H

void reportAnalysisMessage(const char* message);

#endif
