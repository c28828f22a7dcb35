// Plain structures with type servers written the way the toolkit's class
// companions are, for tests of structure saving and loading:
//   TestShape <- TestCircle <- TestRing <- TestBadge, and the unrelated roots
//   TestOther and TestPair.
#ifndef TESTTYPESERVERS_H
#define TESTTYPESERVERS_H

#include <string>
#include <vector>

#include "_TQCtypeServer.h"

// Fields: ">id" (#lng), ">label" (#str), then one child record per part.
// Loading creates a part for every child record of TestShape or a type
// derived from it, with the loading shape as the create argument.
struct TestShape {
    virtual ~TestShape();
    virtual const char* typeName() const { return "TestShape"; }

    std::string name;
    long id = 0;
    std::string label;
    void* createdWith = nullptr;
    std::vector<TestShape*> parts;
};

// Adds ">r" (#dbl).
struct TestCircle : TestShape {
    const char* typeName() const override { return "TestCircle"; }
    double radius = 0;
};

// No fields of their own: their servers have no save or load handler.
struct TestRing : TestCircle {
    const char* typeName() const override { return "TestRing"; }
};
struct TestBadge : TestRing {
    const char* typeName() const override { return "TestBadge"; }
};

// A root type unrelated to TestShape.
struct TestOther {
    long value = 0;
};

// Loads two child values of one name "a" in turn.
struct TestPair {
    long first = 0;
    long second = 0;
};

// The server of one test type: getParentClassPtr follows the chain of
// direct parents, as every class companion does.
class TestTypeServer : public TQCtypeServer {
public:
    TestTypeServer(const char* type, const char* parent);
    void* getParentClassPtr(const char* className, void* obj) override;

private:
    const char* m_type;
    const char* m_parent;
};

// Registers the servers above with the conductor, once per run.
void registerTestTypes();
TQCtypeServer* testServer(const char* type);
// Instances deleted through the servers' delete handlers so far.
int testTypeDeletions();

#endif
