// The worker threads that share the analysis with the application thread.
// They start once, on first use, one fewer than the processors the program
// may run on, and are stopped and joined when the program ends. Tasks
// compute on plain arrays only: widgets, devices and messages stay on the
// application thread.
#ifndef WORKPOOL_H
#define WORKPOOL_H

// Threads that take part in a run: the workers and the calling thread.
int poolThreads();

typedef void (*PoolTask)(void* context, long index, int thread);

// Calls task(context, i, thread) for every i in [0, count), spread over the
// workers and the calling thread, and returns when every call has returned.
// thread, 0 .. poolThreads() - 1, tells the threads of one run apart (for
// scratch space of their own). A run started from inside a task makes its
// calls on that task's thread, one after the other.
void runInPool(long count, PoolTask task, void* context);

// As runInPool, and the calling thread first makes the call own(ownContext),
// work of its own beside the run's calls, before it takes any of them.
void runInPoolBeside(long count, PoolTask task, void* context, void (*own)(void*),
                     void* ownContext);

template <typename Task>
void runInPool(long count, Task& task)
{
    runInPool(
        count, [](void* context, long index, int thread) {
            (*static_cast<Task*>(context))(index, thread);
        },
        &task);
}

#endif
