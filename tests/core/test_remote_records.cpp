// The records of remote calls and of the instance directory, the object
// list's directory and export lists, and the conductor's dispatch before it
// was started: no socket involved.
#include "ByteStreamSerialize.h"
#include "RemoteWire.h"
#include "SampleWidgets.h"

#include "_TQCbaseList.h"
#include "_TQCconductor.h"
#include "_TQCremoteCall.h"
#include "_TQCremoteInstanceData.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TQCremoteInstanceData entry(const char* publicName, unsigned short port)
{
    TQCremoteInstanceData record;
    record.setPublicInstanceName(publicName);
    record.setInstanceName("w1");
    record.setClassName("TQCvbtn");
    record.setAddr("127.0.0.1");
    record.setPort(port);
    return record;
}

long timesListed(TQClistData* list, TQCbase* object)
{
    long n = 0;
    for (long i = 0; i < list->getNum(); ++i)
        n += list->getData(i) == object ? 1 : 0;
    return n;
}

} // namespace

TEST(RemoteRecords, TheDirectoryHoldsEqualRecordsOnce)
{
    TQCbaseList list;
    TQCremoteInstanceData a = entry("pub", 9201);
    TQCremoteInstanceData b = entry("pub", 9202);
    EXPECT_EQ(0, list.addRemoteInstanceData(&a));
    EXPECT_EQ(1, list.getRemoteInstanceListUpdated());
    list.setRemoteInstanceListUpdated(0);
    EXPECT_EQ(0, list.addRemoteInstanceData(&a));
    EXPECT_EQ(0, list.getRemoteInstanceListUpdated()) << "an equal record changes nothing";
    EXPECT_EQ(0, list.addRemoteInstanceData(&b));
    EXPECT_EQ(2, list.getRemoteInstanceList()->getNum()) << "a record differing in its port is added";
    EXPECT_EQ(9201, list.getRemoteInstanceData("pub")->getPort()) << "the first of the name";

    TQCremoteInstanceData c = entry("pub", 9203);
    EXPECT_EQ(-1, list.delRemoteInstanceData(&c));
    EXPECT_EQ(0, list.delRemoteInstanceData(&a));
    EXPECT_EQ(9202, list.getRemoteInstanceData("pub")->getPort());
    EXPECT_EQ(nullptr, list.getRemoteInstanceData("nobody"));
    EXPECT_EQ(-1, list.addRemoteInstanceData(nullptr));
}

TEST(RemoteRecords, RecordsTravelAsTheirStructures)
{
    ByteStreamSerialize out;
    ASSERT_EQ(0, out.beginTransaction("t", 1));
    TQCremoteCall call;
    call.setClassName("TQCbase");
    call.setInstanceName("newvbtn_000");
    call.setOperationName("draw");
    TQCremoteInstanceData record = entry("pub", 9201);
    out.save("TQCremoteCall", "call1", &call);
    out.save("TQCremoteInstanceData", "inst", &record);
    out.endTransaction();
    EXPECT_EQ(stream(2, wireCall("TQCbase", "newvbtn_000", "draw") +
                            wireInstance("inst", "pub", "w1", "TQCvbtn", "127.0.0.1", 9201)),
              out.bytes);

    // A record without ">in" and ">pt" leaves what the target held.
    ByteStreamSerialize in(stream(2, structRecord("r", "TQCremoteInstanceData", 2,
                                                  wireText(">pn", "other") + wireText(">ad", "")) +
                                         structRecord("c", "TQCremoteCall", 2,
                                                      wireText(">cl", "TQCbase") +
                                                          wireText(">in", "x"))));
    ASSERT_EQ(0, in.beginTransaction("t", 0));
    ASSERT_EQ(0, in.load("TQCremoteInstanceData", "r", &record));
    EXPECT_STREQ("other", record.getPublicInstanceName().getString());
    EXPECT_STREQ("w1", record.getInstanceName().getString());
    EXPECT_STREQ("", record.getAddr().getString());
    EXPECT_EQ(9201, record.getPort());
    void* loaded = nullptr;
    ASSERT_EQ(0, in.loadAlloc("TQCremoteCall", "c", &loaded, nullptr));
    std::unique_ptr<TQCremoteCall> partial(static_cast<TQCremoteCall*>(loaded));
    EXPECT_STREQ("x", partial->getInstanceName());
    EXPECT_EQ(nullptr, partial->getOperationName());
    EXPECT_FALSE(partial->isComplete()) << "a call short of a name is not served";
}

TEST(RemoteRecords, DispatchThatNeverStartedDoesNotStop)
{
    TQCconductor conductor;
    EXPECT_EQ(-1, conductor.stopDispatch());
    EXPECT_EQ(10u, conductor.getTimeout());
    TQCremoteCall unnamed;
    EXPECT_EQ(nullptr, conductor.beginRemoteCall(&unnamed)) << "nothing to send";
}

TEST(RemoteRecords, ExportListsHoldNoObjectThatWent)
{
    TQCbaseList* list = TQGIappObjectList();
    auto probe = std::make_unique<SampleWidget>(nullptr, "rr-export");
    probe->initialize();
    probe->setExported(1);
    list->addExportInstanceList(probe.get());
    list->delExportInstanceUpdateList(probe.get());
    long pending = list->getExportInstanceDeleteList()->getNum();

    probe->setExported(0);
    EXPECT_EQ(pending + 1, list->getExportInstanceDeleteList()->getNum());
    probe->setExported(1);
    EXPECT_EQ(pending, list->getExportInstanceDeleteList()->getNum())
        << "exported again before its withdrawal went out: published anew instead";
    EXPECT_EQ(1, timesListed(list->getExportInstanceUpdateList(), probe.get()));

    probe->setExported(0);
    TQCbase* gone = probe.get();
    probe.reset();
    EXPECT_EQ(0, timesListed(list->getExportInstanceList(), gone))
        << "no longer exported, yet still listed until its withdrawal: it leaves when it goes";
    EXPECT_EQ(0, timesListed(list->getExportInstanceUpdateList(), gone));
    EXPECT_EQ(pending + 1, list->getExportInstanceDeleteList()->getNum());
    list->dropExportDeleteEntry(pending);
}
