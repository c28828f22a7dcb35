// The records of remote calls and of the instance directory, the object
// list's directory and export lists, and dispatch that never started: no
// socket involved.
#include "ByteStreamSerialize.h"
#include "RemoteRecords.h"
#include "SampleWidgets.h"

#include "_TQCbaseList.h"
#include "_TQCconductor.h"
#include "_TQCremoteCall.h"
#include "_TQCremoteInstanceData.h"

#include <gtest/gtest.h>

#include <memory>

TEST(RemoteRecords, DirectoryRecordsAreHeldOnceAndLoadOnlyWhatArrives)
{
    TQCbaseList list;
    TQCremoteInstanceData record;
    record.setPublicInstanceName("pub");
    record.setInstanceName("w1");
    record.setPort(9201);
    EXPECT_EQ(0, list.addRemoteInstanceData(&record));
    list.setRemoteInstanceListUpdated(0);
    EXPECT_EQ(0, list.addRemoteInstanceData(&record));
    EXPECT_EQ(0, list.getRemoteInstanceListUpdated()) << "an equal record changes nothing";
    record.setPort(9202);
    EXPECT_EQ(0, list.addRemoteInstanceData(&record));
    EXPECT_EQ(2, list.getRemoteInstanceList()->getNum()) << "one differing in its port is added";
    EXPECT_EQ(9201, list.getRemoteInstanceData("pub")->getPort()) << "the first of the name";

    std::string fields = wireText(">pn", "other") + wireText(">ad", "a");
    ByteStreamSerialize in(stream(1, structRecord("r", "TQCremoteInstanceData", 2, fields)));
    ASSERT_EQ(0, in.beginTransaction("t", 0));
    ASSERT_EQ(0, in.load("TQCremoteInstanceData", "r", &record));
    EXPECT_STREQ("other", record.getPublicInstanceName().getString());
    EXPECT_STREQ("w1", record.getInstanceName().getString()) << "kept without \">in\"";
    EXPECT_EQ(9202, record.getPort()) << "kept without \">pt\"";
    EXPECT_EQ(-1, list.delRemoteInstanceData(&record));
}

TEST(RemoteRecords, ACallShortOfANameIsNeitherSentNorServed)
{
    std::string names = wireText(">cl", "TQCbase") + wireText(">in", "x");
    ByteStreamSerialize in(stream(1, structRecord("c", "TQCremoteCall", 2, names)));
    ASSERT_EQ(0, in.beginTransaction("t", 0));
    void* loaded = nullptr;
    ASSERT_EQ(0, in.loadAlloc("TQCremoteCall", "c", &loaded, nullptr));
    std::unique_ptr<TQCremoteCall> partial(static_cast<TQCremoteCall*>(loaded));
    EXPECT_STREQ("x", partial->getInstanceName());
    EXPECT_FALSE(partial->isComplete());

    TQCconductor conductor;
    EXPECT_EQ(nullptr, conductor.beginRemoteCall(partial.get()));
    EXPECT_EQ(-1, conductor.stopDispatch()) << "dispatch never started";
}

namespace {

long timesListed(TQClistData* list, TQCbase* object)
{
    long n = 0;
    for (long i = 0; i < list->getNum(); ++i)
        n += list->getData(i) == object ? 1 : 0;
    return n;
}

} // namespace

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
    probe->setExported(1);
    EXPECT_EQ(pending, list->getExportInstanceDeleteList()->getNum())
        << "exported again before its withdrawal went out: published anew instead";
    EXPECT_EQ(1, timesListed(list->getExportInstanceUpdateList(), probe.get()));

    probe->setExported(0);
    TQCbase* gone = probe.get();
    probe.reset();
    EXPECT_EQ(0, timesListed(list->getExportInstanceList(), gone))
        << "no longer exported but listed until withdrawn: it leaves when it goes";
    EXPECT_EQ(0, timesListed(list->getExportInstanceUpdateList(), gone));
    ASSERT_EQ(pending + 1, list->getExportInstanceDeleteList()->getNum());
    list->dropExportDeleteEntry(pending);
}
