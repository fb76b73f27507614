// The thread functions that GCC's run-time library calls for exceptions (each thread's state
// of the exception being thrown, and the lock of its emergency memory). Its own, from the POSIX
// thread library, bring that library's threads, condition variables and read-write locks into
// the exe (about 26 KB) for a program whose code all runs on one thread. These keep the same
// promises on the system's own primitives: a one-time call, a slot per thread, and a lock.
#include <cstddef>  // says which standard library this is

#if defined(__MINGW32__) && defined(__GLIBCXX__) && __has_include(<pthread.h>)
#include <pthread.h>
#include <windows.h>

extern "C" {

int pthread_once(pthread_once_t* once, void (*function)(void)) {
  // 0 not yet, 1 running on some thread, 2 done.
  if (InterlockedCompareExchange(once, 1, 0) == 0) {
    function();
    InterlockedExchange(once, 2);
  } else {
    while (InterlockedCompareExchange(once, 2, 2) != 2) Sleep(0);
  }
  return 0;
}

// The value a thread leaves in its slot is not handed to `destructor` when the thread ends:
// only the program's own thread ever throws, and it ends with the process.
int pthread_key_create(pthread_key_t* key, void (*destructor)(void*)) {
  (void)destructor;
  const DWORD slot = TlsAlloc();
  if (slot == TLS_OUT_OF_INDEXES) return EAGAIN;
  *key = slot;
  return 0;
}

void* pthread_getspecific(pthread_key_t key) {
  return TlsGetValue(key);
}

int pthread_setspecific(pthread_key_t key, const void* value) {
  return TlsSetValue(key, const_cast<void*>(value)) ? 0 : EINVAL;
}

// A mutex is a slim reader-writer lock in the mutex's own word (0 is an unlocked one); the
// static initialiser's value becomes that on first use.
static PSRWLOCK Lock(pthread_mutex_t* mutex) {
  static_assert(sizeof(pthread_mutex_t) == sizeof(SRWLOCK));
  InterlockedCompareExchangePointer(reinterpret_cast<void**>(mutex), nullptr,
                                    reinterpret_cast<void*>(PTHREAD_MUTEX_INITIALIZER));
  return reinterpret_cast<PSRWLOCK>(mutex);
}

int pthread_mutex_init(pthread_mutex_t* mutex, const pthread_mutexattr_t* attributes) {
  (void)attributes;
  *mutex = 0;
  return 0;
}

int pthread_mutex_destroy(pthread_mutex_t* mutex) {
  (void)mutex;
  return 0;
}

int pthread_mutex_lock(pthread_mutex_t* mutex) {
  AcquireSRWLockExclusive(Lock(mutex));
  return 0;
}

int pthread_mutex_unlock(pthread_mutex_t* mutex) {
  ReleaseSRWLockExclusive(Lock(mutex));
  return 0;
}

}  // extern "C"
#endif
