// Linked into every test of the ThreadSanitizer build. Qt's libraries are not instrumented, so
// the sanitizer cannot see how they order the threads: a QMutex taken by our code, an event
// handed to another thread's loop, the result of a blocking call into another thread. Each
// would show as a race that is none. This file stands in front of the Qt functions our code
// calls for these (the executable's definitions come first; the real ones are found with
// dlsym) and tells the sanitizer what they order. Qt's calls among its own functions are not
// affected.

#include <QCoreApplication>
#include <QMutex>
#include <QObject>

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

namespace {
// Handing work to another thread's event loop: released when our code emits, posts or invokes,
// acquired when any thread's loop delivers an event.
char s_events;
// The end of a blocking call into another thread: released when the call has run there.
char s_returns;

template <typename Function> Function Real(const char *mangledName)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, mangledName));
}

bool OnEventDelivered(void **)
{
    __tsan_acquire(&s_events);
    return false;
}

const bool s_hooked = QInternal::registerCallback(QInternal::EventNotifyCallback, OnEventDelivered);

// The slot a blocking call runs in the other thread, telling the sanitizer when it has run.
class OrderedSlot : public QtPrivate::QSlotObjectBase
{
public:
    explicit OrderedSlot(QtPrivate::QSlotObjectBase *slot) : QSlotObjectBase(&Impl), m_slot(slot)
    {
    }

private:
    static void Impl(int which, QSlotObjectBase *self, QObject *receiver, void **args, bool *ret)
    {
        auto *ordered = static_cast<OrderedSlot *>(self);
        if (which == Destroy) {
            ordered->m_slot->destroyIfLastRef();
            delete ordered;
        } else if (which == Call) {
            __tsan_acquire(&s_events);
            ordered->m_slot->call(receiver, args);
            __tsan_release(&s_returns);
        } else if (which == Compare) {
            *ret = false;
        }
    }

    QtPrivate::QSlotObjectBase *m_slot;
};
} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = Real<void (*)(QMutex *)>("_ZN6QMutex4lockEv");
    real(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = Real<bool (*)(QMutex *, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = real(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto real = Real<void (*)(QMutex *)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    real(this);
}

void QMetaObject::activate(QObject *sender, const QMetaObject *meta, int localSignalIndex,
                           void **argv)
{
    static const auto real = Real<void (*)(QObject *, const QMetaObject *, int, void **)>(
        "_ZN11QMetaObject8activateEP7QObjectPKS_iPPv");
    __tsan_release(&s_events);
    real(sender, meta, localSignalIndex, argv);
}

void QCoreApplication::postEvent(QObject *receiver, QEvent *event, int priority)
{
    static const auto real = Real<void (*)(QObject *, QEvent *, int)>(
        "_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    __tsan_release(&s_events);
    real(receiver, event, priority);
}

bool QMetaObject::invokeMethodImpl(QObject *object, QtPrivate::QSlotObjectBase *slot,
                                   Qt::ConnectionType type, void *ret)
{
    static const auto real =
        Real<bool (*)(QObject *, QtPrivate::QSlotObjectBase *, Qt::ConnectionType, void *)>(
            "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14"
            "ConnectionTypeEPv");
    auto *ordered = new OrderedSlot(slot);
    __tsan_release(&s_events);
    const bool invoked = real(object, ordered, type, ret);
    __tsan_acquire(&s_returns);
    return invoked;
}
