// The companion of the root class TQCbase: its handlers write and read the
// whole record of every toolkit object.
#include "_TQCtypeServerFrame.h"
#include "_TQGFobjectRecord.h"

TQ_ROOT_TYPE_SERVER_FRAME(TQCbase, _base_create, _base_delete, _base_save, _base_load);
