// Base of every widget, window and form: identity and place in the object
// tree, life cycle, properties by name, event procedures and user data by
// key. Widgets override the virtual hooks; everything else reaches an
// object through this interface.
#ifndef _TQCBASE_H
#define _TQCBASE_H

#include "TQtypes.h"
#include "_TQCclassInformation.h"
#include "_TQClistData.h"
#include "_TQCroot.h"
#include "_TQCvariant.h"

class TQCbase;
class TQCindexData;
class TQCindexVariantData;
class TQCprocedure;
class TQDdev;
class TQDserialize;

typedef void (*TQCprocedureFunction)(TQCbase* object);

class TQCbase : public TQCroot {
public:
    // Creator registered under a class name.
    typedef TQCbase* (*CreateHandler)(TQCbase* parent, const char* name);
    // Fallback creator for class names without a creator of their own.
    typedef TQCbase* (*CreateInstanceHandler)(const char* className, TQCbase* parent,
                                              const char* name);

    // Bits of getObjectType().
    enum {
        OBJECT_TOP_LEVEL = 0x01,
        OBJECT_CONTAINER = 0x02,
        OBJECT_NATIVE_WINDOW = 0x04,
        OBJECT_SCROLLED = 0x08,
        OBJECT_POPUP = 0x10
    };
    // Triggers the object model runs itself, beyond the device events.
    enum {
        TRIGGER_GUI_POLICY = 34,
        TRIGGER_EDIT_MODE = 47,
        TRIGGER_SPECIAL_FOCUS = 48,
        TRIGGER_CHILD_ADDED = 49,
        TRIGGER_SELECTION = 50
    };
    enum { VERSION = 1000 };

    // The object is neither registered nor its parent's child until
    // initialize(); a null or empty name leaves it unnamed.
    explicit TQCbase(TQCbase* parent = nullptr, const char* name = nullptr);
    ~TQCbase() override;
    TQ_ROOT_FRAME(TQCbase, TQCroot)
    static const char* getThisClassName() { return "TQCbase"; }

    // Event hooks.
    virtual void onMouseIn(TQCpoint* point);
    virtual void onMouseOut();
    virtual void onMouseMove(TQCpoint* point);
    virtual void onMousePress(TQCpoint* point);
    virtual void onMouseDoubleClick(TQCpoint* point);
    virtual void onMouseRelease(TQCpoint* point);
    virtual void onExpose(TQCrect* area);
    virtual void onResize(TQCrect* area);
    virtual void onVisibleChange(unsigned char on);
    virtual void onSensitiveChange(unsigned char on);
    virtual void onParentVisibleChange(unsigned char on);
    virtual void onParentSensitiveChange(unsigned char on);
    virtual void onEditModeChange(unsigned char on);
    virtual void onFocusChange(unsigned char on);
    virtual void onWindowFocusChange(unsigned char on);
    virtual void onSpecialFocusChange(unsigned char on);
    virtual void onChildAdded(TQCbase* child);
    virtual void onSelectionChange(unsigned char on);
    virtual void onGuiPolicyChange(long policy);
    virtual void onDefaultColorChange();

    virtual void _adjust_for_anchors(unsigned short width, unsigned short height);
    // Registers the object, applies its class's defaults ("vis" last) and
    // makes it its parent's child. 0.
    virtual long initialize();
    virtual long getObjectType();
    // Name of the property that holds the object's value; "" here.
    virtual const char* getDefaultProperty();
    virtual TQCclassInformation* getClassInformation();
    virtual unsigned char canFocus();
    // Whether a change of the keyboard focus runs the object's FOCUS_CH
    // procedures after onFocusChange; 1 here.
    virtual unsigned char runsFocusProcedures() { return 1; }
    virtual TQCbase* getFocusMoveInternalInstance(long direction);

    // The base object keeps no children: getChildren() is a shared list,
    // emptied on every call, and getChildrenPtr() is null.
    virtual TQClistData& getChildren();
    virtual TQClistData* getChildrenPtr();
    virtual long restackChild(TQCbase* child, int mode);
    virtual void setChildren(TQClistData& children);

    virtual void update();
    virtual void internalUpdate();
    // A class that overrides it must say "using TQCbase::addProcedure;" to
    // keep the other forms visible.
    virtual long addProcedure(TQCprocedure* procedure);
    virtual long draw();
    virtual long clear();
    virtual long redraw();
    virtual long cdraw();

    virtual void onDataSave(TQDserialize* serializer);
    virtual void onDataLoad(TQDserialize* serializer);
    // The values that making an object of the class (construction and
    // initialize(), under its present parent, as a load makes it) puts in
    // place of the registered defaults of its properties; none here. A
    // save keeps a property that holds its registered default when its
    // made value differs, or the load would put the made value back.
    virtual void getMadeValues(TQCindexVariantData* values);
    // Device name the object asks for; null: none.
    virtual const char* getUseDevName();
    // Entry for device events. 0 when the event was handled with what it
    // needs (the pointer move excepted), else -1.
    virtual long execEventProc(long event, void* data);
    // The child that answers for property names the class does not know.
    virtual TQCbase* getPropertyInheritChild();
    virtual unsigned char adjustAnchor();

    // Identity.
    unsigned char canBurstCast(void* p);
    // "" when unnamed.
    const char* getInstanceName() const;
    void setInstanceName(const char* name);
    // Takes over a name allocated with new[]; null names the object "none".
    void setInstanceNameNC(char* name);
    // The name as the "name" property holds it: the object's own text, null
    // while unnamed.
    char* getNameText() const { return instanceName; }
    // Takes text (allocated with new[]) as the name without freeing the one
    // it replaces, which the caller of a text property's set handler frees;
    // null leaves the object unnamed.
    void adoptName(char* text);
    unsigned char getInstanceNameHashValue() const { return state.nameHash; }
    // The texts of the "userString" and "userValue" properties. The user
    // string is the object's own; adopting one does not free the old one,
    // which the caller of a text property's set handler frees.
    char* getUserStringText() const { return userString; }
    void adoptUserString(char* text) { userString = text; }
    long getUserValue() const { return userValue; }
    void setUserValue(long value) { userValue = value; }

    // Tree.
    TQCbase* getParent() const { return parent; }
    void setParent(TQCbase* p) { parent = p; }
    TQCbase* getParentWindow();
    unsigned char isParent(TQCbase* object);
    long setChild(TQCbase* child);
    long delChild(TQCbase* child);
    TQCbase* getNextChild(TQCbase* child);
    // Depth first, this object first; unnamed objects never match.
    TQCbase* getChildInstance(const char* name);
    // Appends every descendant, a child before its own descendants.
    long getAllChildren(TQClistData& list);
    // Mode 3 moves the object to the front of its siblings, any other mode
    // to the end; -1 without a parent.
    long setOrder(char mode);

    // Creation by class name, process-wide.
    static void setCreateHandler(const char* className, CreateHandler creator);
    static TQClistData* getSupportedClassList();
    static TQCbase* getNewInstance(const char* className, TQCbase* parent, const char* name);
    static void setCreateInstanceHandler(CreateInstanceHandler handler);

    // Version check of the class, asked by its first constructor.
    static long getVer(long v) { return v; }
    static long checkVersion(long v);
    // Messages of the version checks of derived classes.
    static void reportVersionMismatch(const char* className, long ownVersion, long given);
    static void reportRecompile(const char* className);

    // Export and internal flags.
    void setExported(unsigned char on);
    unsigned char getExported() const { return state.exported; }
    void setExportName(const char* name);
    const char* getExportName();
    void setInternalObject(unsigned char on) { state.internalObject = on ? 1 : 0; }
    unsigned char getInternalObject() const { return state.internalObject; }

    // Procedure list.
    TQClistData* getProcedureList();
    TQClistData getProcedures();
    // Keeps the DELETE procedures.
    long delAllProcedure();
    // Attaches a procedure bound to a function by name; the procedure is
    // returned even when the object refused it (the caller then owns it).
    TQCprocedure* addProcedure(const char* procName, const char* functionName, long trigger);
    long addProcedureV(const char* procName, const char* functionName,
                       TQCprocedureFunction function, long trigger);
    // Attaches an internal procedure, bound to the function, that wires the
    // toolkit itself; -1 when the object refused it.
    long addInternalProcedure(const char* procName, long trigger, TQCprocedureFunction function,
                              const char* functionName);
    // Appends to the procedure list as it is: no trigger check, no mask.
    void _add_prcs(TQCprocedure* procedure) { appendProcedure(procedure); }
    // Detaches without deleting; -1 when the procedure is not attached.
    long delProcedure(TQCprocedure* procedure);
    // The argument is a procedure pointer: detached, then deleted.
    long delProcedure(long procedure);
    void execProcedure(long trigger);
    void execProcedure(int trigger) { execProcedure(static_cast<long>(trigger)); }
    void execProcedure(const char* procName);
    void _exec_del_procedure();
    long existTrigger(long code);
    TQCindexData* getExtTriggerList();
    long getEventMask() const { return eventMask; }
    // Whether the object has procedures on EXPOSE.
    unsigned char hasExposeProcedures() const { return state.hasExpose; }

    // Properties by name (the class record is set by initialize()).
    long setProperty(const char* name, const TQCvariant& value);
    // setProperty for each name of values, in their order.
    void setProperties(TQCindexVariantData& values);
    TQCvariant getProperty(const char* name);
    long existProperty(const char* name);
    long setDefaultValue(const char* name);
    long isDefaultValue(const char* name, unsigned char* result);
    TQClistData* getPropertyList();
    TQCproperty* getPropObj(const char* name);
    long getPropObjArray(TQClistData* list);
    // Name and value text of each property (only those off their default
    // unless all), as new strings the caller frees.
    long getPropertyArray(TQClistData* list, unsigned char all);

    // Typed forms: 1 when the property has a type the form accepts (or the
    // inheriting child took it), else 0. No conversion.
    long setPropertyV(const char* name, char value);
    long setPropertyV(const char* name, unsigned char value);
    long setPropertyV(const char* name, short value);
    long setPropertyV(const char* name, unsigned short value);
    long setPropertyV(const char* name, long value);
    long setPropertyV(const char* name, unsigned long value);
    long setPropertyV(const char* name, int value);
    long setPropertyV(const char* name, unsigned int value);
    long setPropertyV(const char* name, float value);
    long setPropertyV(const char* name, double value);
    long setPropertyV(const char* name, void* value);
    long setPropertyV(const char* name, const char* text);
    long setPropertyV(const char* name, const TQCvariant& value);
    long getPropertyV(const char* name, char* out);
    long getPropertyV(const char* name, unsigned char* out);
    long getPropertyV(const char* name, short* out);
    long getPropertyV(const char* name, unsigned short* out);
    long getPropertyV(const char* name, long* out);
    long getPropertyV(const char* name, unsigned long* out);
    long getPropertyV(const char* name, int* out);
    long getPropertyV(const char* name, unsigned int* out);
    long getPropertyV(const char* name, float* out);
    long getPropertyV(const char* name, double* out);
    long getPropertyV(const char* name, void** out);
    // The object's own text (strings) or a name (colours, images); never
    // to be freed.
    long getPropertyV(const char* name, char** out);

    // Reporting hooks of property access; they report nothing.
    void _set_prop_error(char*) {}
    void _set_prop_error2(char*, char*, TQCproperty*) {}
    void _get_prop_error(char*) {}
    void _get_prop_error2(char*, char*, TQCproperty*) {}
    void _error_output(char*, char*, char*, unsigned char) {}

    // User data. The const form keeps the key pointer (the caller keeps the
    // text alive), the other copies the key. A key stays in the table it
    // was first stored in. -1 when a table is full.
    long setUserData(const char* key, void* value);
    long setUserData(char* key, void* value);
    void* getUserData(const char* key);
    long setUserLongData(const char* key, unsigned long value);
    unsigned long getUserLongData(const char* key);
    // The key must only ever hold strings stored here: the old one is freed.
    long setUserStringData(const char* key, const char* text);
    // "" when absent.
    const char* getUserStringData(const char* key);
    void setVariantData(const char* key, const TQCvariant& value);
    // The table's empty variant when absent.
    TQCvariant* getVariantData(const char* key);

    // Focus. The keyboard focus and the special focus each have one holder
    // for the whole application (null when none).
    static TQCbase* getFocusInstance();
    static TQCbase* getSpecialFocusInstance();
    unsigned char getFocus();
    unsigned char getSpecialFocus();
    // The old holder hears of the loss before the new one of the gain; a
    // container that takes the focus hands it back to the descendant that
    // held it. Always 0.
    long setFocus(unsigned char on);
    long setSpecialFocus(unsigned char on);
    // Joins the parent's focus order ("FOCUS_LIST"); nothing without a parent.
    void _register_focus_move();
    // Direction codes of a focus move.
    enum {
        FOCUS_LEFT = 0,
        FOCUS_RIGHT = 1,
        FOCUS_UP = 3,
        FOCUS_DOWN = 4,
        FOCUS_RETURN = 9,
        FOCUS_TAB = 11,
        FOCUS_BACKTAB = 12
    };
    // The object a focus move in the direction gives the focus to, or the
    // part of it that takes the focus; null when there is none.
    TQCbase* getFocusMoveInstance(long direction);
    // That object takes the focus; null when there is none, or when it did
    // not survive taking it.
    TQCbase* giveFocusToward(long direction);
    // The search itself: the names in the direction property first, then
    // the nearest sibling in the parent's focus order; Tab and Back-Tab
    // wrap to the next row.
    TQCbase* _get_focus_move_instance(long direction, unsigned char retry, TQCbase* origin);

    // State.
    unsigned char getInitialized() const { return state.initialized; }
    unsigned char getDotMode() const { return state.editMode; }
    unsigned char getPropertyEditMode() const { return state.editMode; }
    // Switches the edit mode: on, the object also takes presses and
    // releases; off, it is deselected first. 0.
    virtual long setPropertyEditMode(unsigned char on);

    // Builder edit mode. Selecting puts the object in edit mode, makes it
    // the property editor's client, tells the property-editor handler and
    // shows the nine grip handles; deselecting undoes all three. 0.
    long setPropertyEditExecute(unsigned char on);
    // -1 when showing needs a device the object does not have, else 0.
    long setShowGriphand(unsigned char on);
    unsigned char getShowGriphand() const { return state.showGriphand; }
    // Places the handles of a selected object round its x, y, width and
    // height (inside it from 0, 0 for a container): 0, or -1 when it lacks
    // one of the four; 0 and nothing for an object not selected.
    long drawGriphand();
    // Makes the nine handles on first use, then places and shows them.
    long _draw_grip_hand(short x, short y, unsigned short w, unsigned short h);
    // Deletes the handles and forgets them. 0.
    long clearGriphand();
    // Positions and sizes the handles produce are multiples of the grid; a
    // grid below 1 is taken as 1.
    static void setGripHandGrid(unsigned short gx, unsigned short gy);
    static void getGripHandGrid(unsigned short* gx, unsigned short* gy);
    // User-data keys of the grip handles: on a selected object the list of
    // its handles; on each handle its client, its number (0-8) and the
    // geometry handler it calls while dragged.
    static constexpr const char* GRIP_HANDS_KEY = "GH-LIST";
    static constexpr const char* GRIP_CLIENT_KEY = "CLIENT";
    static constexpr const char* GRIP_NUMBER_KEY = "GH-NO";
    static constexpr const char* GRIP_HANDLER_KEY = "G-HANDLER";
    // Makes one grip hand for a client; the grip-hand class installs it.
    typedef TQCbase* (*GripHandMaker)(TQCbase* client);
    static void setGripHandMaker(GripHandMaker maker);
    // New-instance placement in a container: a band follows the pointer
    // from the press until the first button is let go, and the rectangle
    // goes to the create-instance handler. -1 for an object that is not a
    // container or without a timer.
    long _start_new_instance_positioning();
    static void _new_instance_pos_work_proc(void* data);
    unsigned char getMouseAddr(short* x, short* y);
    // Off: image names set by text reuse the number the property holds.
    void setKeepPixmapCache(unsigned char on) { state.keepPixmapCache = on ? 1 : 0; }
    unsigned char getKeepPixmapCache() const { return state.keepPixmapCache; }
    // Whether the object waits in the object list's update queue.
    unsigned char isNeedUpdate() const { return state.queuedForUpdate; }

    // Visibility and sensitivity. Each is the object's own flag AND its
    // parent's effective state, which the object caches once it has been
    // read; changes travel down the tree through setParentVisible and
    // setParentSensitive. A parentless object counts its parent as visible
    // only when it is a top-level window.
    unsigned char getVisible();
    unsigned char getParentVisible();
    unsigned char _get_parent_visible();
    unsigned char getSensitive();
    unsigned char getParentSensitive() const { return state.parentSensitive; }
    unsigned char _get_parent_sensitive();
    // The program's own sensitivity, kept while edit mode forces it on.
    unsigned char _get_sensitive_work() const { return state.ownSensitiveSaved; }
    virtual void setVisible(unsigned char v);
    void setSensitive(unsigned char v);
    void setParentVisible(unsigned char v);
    void setParentSensitive(unsigned char v);
    // The object's own flag, whatever its parents' visibility.
    unsigned char getOwnVisible() const { return state.ownVisible; }
    // The next update redraws the whole object.
    void setAbsoluteDraw(unsigned char on) { state.absoluteDraw = on ? 1 : 0; }
    unsigned char getAbsoluteDraw() const { return state.absoluteDraw; }
    // Hiding does not repaint the area the object leaves.
    void setNoClearFlag(unsigned char on) { state.noClear = on ? 1 : 0; }
    void setGeometryChanged(unsigned char on) { state.geometryChanged = on ? 1 : 0; }
    unsigned char getGeometryChanged() const { return state.geometryChanged; }
    // Set by a container's layout around an update of the child it runs at
    // once, so that the child is not updated again from inside it.
    void setUpdateGuard(unsigned char on) { state.updateGuard = on ? 1 : 0; }
    unsigned char getUpdateGuard() const { return state.updateGuard; }

    // Devices.
    TQDdev* getowndev() const { return ownDevice; }
    // The device the object draws on: its own, or while it hands its
    // device over, that of its public device child (followed on); null
    // when that child is missing.
    TQDdev* getdev();
    TQCbase* getPublicDevChild() const { return publicDevChild; }
    // The device the object draws on as a child: null without a parent.
    TQDdev* getParentDev();
    void setUseParentBaseDev(unsigned char on) { state.useParentBaseDev = on ? 1 : 0; }
    unsigned char getUseParentBaseDev() const { return state.useParentBaseDev; }
    // The own device, made by the device registry under getUseDevName()
    // when there is none yet; null when the object uses none.
    TQDdev* attachdev();
    // Attaches the object to dev and sets the device up; null forgets the
    // own device. 0.
    long setdev(TQDdev* dev);
    // For a drawing sent elsewhere for a while (printing): dev becomes the
    // own device, with nothing attached or set up, and the device it
    // replaces is answered, to be put back the same way.
    TQDdev* swapOwnDevice(TQDdev* dev)
    {
        TQDdev* previous = ownDevice;
        ownDevice = dev;
        return previous;
    }
    // Hands the own device the scale and offset pointers and the event
    // mask; -1 without a device.
    virtual long _device_initialize();
    virtual void setScaleOffsetPtr(double* p);
    // Not handed to the device of a top-level window.
    virtual void setXOffsetPtr(short* p);
    virtual void setYOffsetPtr(short* p);
    double* getScaleOffsetPtr() const { return offsetPointers ? offsetPointers->scale : nullptr; }
    short* getXOffsetPtr() const { return offsetPointers ? offsetPointers->x : nullptr; }
    short* getYOffsetPtr() const { return offsetPointers ? offsetPointers->y : nullptr; }

    // Queues a visible object, once, for update() after the current message.
    void needUpdate();
    // Marks the geometry changed and queues the object: a container lays
    // out its anchored children at its next update.
    void needLayout()
    {
        setGeometryChanged(1);
        needUpdate();
    }

    // Data-source link: a server pushes its value to its clients.
    void setDataSourceServer(TQCbase* server) { dataSourceServer = server; }
    TQCbase* getDataSourceServer() const { return dataSourceServer; }
    // No duplicates. 0, or -1 for null.
    long addDataSourceClient(TQCbase* client);
    // 0, or -1 when the object is not a client.
    long delDataSourceClient(TQCbase* client);
    // Null before the first client.
    TQClistData* getDataSourceClients() const { return dataSourceClients; }
    // Follows server from now on, leaving the server followed before, so
    // that no earlier server keeps pushing into this object; null only
    // leaves.
    void followDataSource(TQCbase* server);
    // The instance a data-source name gives; null for a null or empty name
    // (an empty one would find any unnamed object) and for none found.
    static TQCbase* findDataSource(const char* name);
    // setData(value, -2) on every client in order; null sends "".
    void setDataToDataSourceClients(TQCvariant* value);
    // Handed to the property-inheriting child; without one nothing, 0, "".
    virtual void setData(TQCvariant* value, long mode);
    virtual long getDataSourceType();
    virtual const char* getDataSourcePropertyName();

    // Tells a pass whether its object survived the procedure it just ran.
    // Guards of one object nest like the calls that make them.
    class LifeGuard {
    public:
        explicit LifeGuard(TQCbase* object);
        ~LifeGuard();
        bool alive() const { return object != nullptr; }

    private:
        friend class TQCbase;
        LifeGuard(const LifeGuard&) = delete;
        LifeGuard& operator=(const LifeGuard&) = delete;

        TQCbase* object;
        LifeGuard* outer;
    };

    // Containers own their children: deletes them first to last, each
    // taking itself out of the list (one that does not is taken out here).
    static void deleteOwnedChildren(TQClistData& children);

protected:
    // setProperty for each of getMadeValues, for a class whose initialize()
    // puts those values in place: the save then compares against the very
    // values that making applies.
    void applyMadeValues();
    // Events the class asks for beyond its procedures' triggers.
    void addEventMask(long bits) { eventMask |= static_cast<unsigned long>(bits); }
    // A class that hands its device over to a child (getdev) sets the child
    // and switches the hand-over on.
    void setPublicDevChild(TQCbase* child) { publicDevChild = child; }
    void setPublicDevChildInUse(unsigned char on) { state.publicDevChildInUse = on ? 1 : 0; }
    // For containers with a device of their own, on its area from 0, 0 of
    // the size given: redrawOwnArea clears it and has it exposed again,
    // clearOwnArea clears it inside a drawing pass. -1 without a device or
    // while hidden, else 0.
    long redrawOwnArea(unsigned short width, unsigned short height);
    long clearOwnArea(unsigned short width, unsigned short height);
    // Drops the pixmap of the own window device when it draws through one
    // (pixmap style 1), so that the next drawing builds a new one.
    void dropOwnPixmap();
    // Moves child within children, the stacking order with the last entry
    // on top, to position places from the end (0 last, the count or more
    // first), and has the own window device restack its children. -1 when
    // child is not in the list.
    long restackIn(TQClistData& children, TQCbase* child, int position);
    // Runs step on each object of the list, on a copy of it, that is still
    // in the list when its turn comes (a step may take objects out or
    // destroy them); stops when this object goes.
    template <class Step>
    void forEachStillIn(TQClistData& list, Step step);
    static bool isListed(const TQClistData& list, const void* entry);

private:
    TQCbase(const TQCbase&) = delete;
    TQCbase& operator=(const TQCbase&) = delete;

    struct UserDataEntry {
        const char* key;
        void* value;
    };
    struct OffsetPointers {
        short* x;
        short* y;
        double* scale;
    };
    // Which procedures one pass runs.
    struct PassFilter {
        long trigger;
        const char* procName;  // selects by name when not null
        unsigned char internal;
    };
    class PassSnapshot;

    void applyDefaults(TQCclassInformation* info);
    void _property_init(TQCclassInformation* info);
    void appendProcedure(TQCprocedure* procedure);
    bool holdsProcedure(TQCprocedure* procedure) const;
    bool stillDue(TQCprocedure* procedure, unsigned long attachesAtStart) const;
    void runPass(const PassFilter& filter, bool runUpdates, LifeGuard& guard);
    void runPasses(long trigger, const char* procName, bool runUpdates);
    void _exec_procedure(TQCprocedure* procedure);
    void releaseProcedures();
    void releaseDataSourceLinks();
    void leaveBuilder();
    void leaveExportLists();
    void leaveParentFocusList();
    // Destruction: lets go of the special focus without telling anyone,
    // then gives up the keyboard focus.
    void releaseFocusHolders();

    bool sensitiveForEditMode();
    // The object a press in edit mode selects, or null.
    TQCbase* builderPressTarget(TQCpoint* point);
    // Whether a visible child with a device on a parent device and the four
    // geometry properties, out of those from position first on, lies under
    // the point.
    static bool coveredAt(TQClistData* children, long first, long px, long py,
                          bool skipInternal);
    unsigned char visibleBeforeChange();
    void tellChildrenParentVisible(unsigned char v, LifeGuard& guard);
    void tellChildrenParentSensitive(unsigned char v, LifeGuard& guard);
    OffsetPointers* offsetRecord();

    TQCproperty* findProperty(const char* name);
    void setStringProperty(TQCproperty* prop, const char* text);
    void setImageProperty(TQCproperty* prop, const TQCvariant& value);
    short resolveImageName(TQCproperty* prop, const char* text);
    template <typename T> long setTyped(const char* name, T value, int code1, int code2);
    template <typename T> long getTyped(const char* name, T* out, int code1, int code2);

    static long findKey(const UserDataEntry* table, signed char count, const char* key);
    static long appendEntry(UserDataEntry*& table, signed char& count, const char* key,
                            void* value);
    long storeByReference(const char* key, void* value);
    long storeCopied(const char* key, void* value);
    void** findUserData(const char* key);
    void releaseUserData();

    TQCclassInformation* classInfo;
    TQClistData* procedureList;
    TQCprocedure** runSnapshot;
    char* instanceName;
    char* userString;
    long userValue;
    TQDdev* ownDevice;
    TQCbase* publicDevChild;
    TQCbase* parent;
    TQCbase* dataSourceServer;
    TQClistData* dataSourceClients;
    UserDataEntry* refUserData;
    UserDataEntry* copyUserData;
    signed char refUserDataCount;
    signed char copyUserDataCount;
    TQCindexVariantData* variantData;
    OffsetPointers* offsetPointers;
    unsigned long eventMask;
    u16 runSnapshotCapacity;
    bool runSnapshotInUse;
    // Counts removals from the procedure list: a pass re-checks its
    // snapshot entries only when this moved since the pass began, which
    // also holds across nested passes.
    unsigned long procedureRemovals;
    // Counts attaches; each procedure keeps its number, so a pass knows a
    // procedure attached after it began even at the address of one that
    // was deleted.
    unsigned long procedureAttaches;
    LifeGuard* lifeGuards;
    struct State {
        unsigned int nameHash : 6;
        unsigned int absoluteDraw : 1;
        unsigned int showGriphand : 1;
        unsigned int queuedForUpdate : 1;
        unsigned int ownVisible : 1;
        unsigned int shown : 1;
        unsigned int parentVisible : 1;
        unsigned int parentVisibleValid : 1;
        unsigned int ownSensitive : 1;
        unsigned int ownSensitiveSaved : 1;
        unsigned int parentSensitive : 1;
        unsigned int parentSensitiveValid : 1;
        unsigned int editMode : 1;
        unsigned int internalObject : 1;
        unsigned int geometryChanged : 1;
        unsigned int initialized : 1;
        unsigned int useParentBaseDev : 1;
        unsigned int publicDevChildInUse : 1;
        unsigned int initializeQueued : 1;
        unsigned int hasExpose : 1;
        unsigned int noClear : 1;
        unsigned int exported : 1;
        unsigned int exportState : 1;
        unsigned int keepPixmapCache : 1;
        unsigned int updateGuard : 1;
    } state;
};

template <class Step>
void TQCbase::forEachStillIn(TQClistData& list, Step step)
{
    LifeGuard guard(this);
    TQClistData snapshot(list);
    for (long i = 0; i < snapshot.getNum(); ++i) {
        TQCbase* object = static_cast<TQCbase*>(snapshot.getData(i));
        if (!isListed(list, object))
            continue;
        step(object);
        if (!guard.alive())
            return;
    }
}

// The geometry handler of the grip hands: moves or resizes the client as
// handle number (0-8) is dragged dx and dy away from its centre.
void _griph_geom_handler(TQCbase* client, short number, short dx, short dy);

// The class record of a class derived from TQCbase: made on first use with
// its parent class's record and kept for the process. Place it in the public
// part of class Class, whose direct parent class is Parent.
#define TQ_CLASS_INFORMATION_FRAME(Class, Parent)                                \
    TQCclassInformation* getClassInformation() override                          \
    {                                                                            \
        static TQCclassInformation* record =                                     \
            new TQCclassInformation(#Class, Parent::getClassInformation());      \
        return record;                                                           \
    }

// Version check of a class with its own version number Version, built
// against version ParentVersion of its parent class.
#define TQ_VERSION_FRAME(Class, Parent, Version, ParentVersion)                  \
    static long getVer(long v) { return v; }                                     \
    static long checkVersion(long v)                                             \
    {                                                                            \
        if (v / 10 != (Version) / 10) {                                          \
            TQCbase::reportVersionMismatch(#Class, (Version), v);                \
            return 0;                                                            \
        }                                                                        \
        return Parent::checkVersion(ParentVersion);                              \
    }

#endif
