// One road for the messages of the analysis code, so that they reach the
// user the same way wherever they arise. The program hands them to its
// message dialog through a sink; without one they go to standard error.
#ifndef ANALYSISMESSAGE_H
#define ANALYSISMESSAGE_H

// Shows message with the dialog's top left corner at (x, y), decimal texts.
typedef void (*AnalysisMessageSink)(const char* message, const char* x, const char* y);

// Installs the sink (null: standard error again) and returns the previous one.
AnalysisMessageSink setAnalysisMessageSink(AnalysisMessageSink sink);

// The numerics place their messages at 100, 100.
void reportAnalysisMessage(const char* message);
void reportAnalysisMessageAt(const char* message, const char* x, const char* y);

#endif
