// Transactions of the connection, and the file under processes that are killed or that write while
// another reads: what was committed stays, what was not leaves no trace, readers never wait.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "AdoTestSupport.h"
#include "DBConsts.h"
#include "Format.h"
#include "Strings.h"

using namespace AdoTest;

namespace {

class AdoTransactionTest : public AdoQueryTest {
 protected:
  void SetUp() override {
    AdoQueryTest::SetUp();
    for (int i = 1; i <= 3; ++i)
      Run(Format("insert into dat_buy(wpm,ddsj) values('t%d','2026-12-11 00:00:00')", {i}));
  }
  // Runs Work in a child process with a connection of its own; the child writes one byte to the pipe
  // whenever Work calls Note. Answers the child's id and the pipe's reading end.
  template <class F>
  std::pair<pid_t, int> Child(F work) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    pid_t pid = fork();
    if (pid == 0) {
      close(fds[0]);
      int status = 0;
      try {
        TADOConnection* con = New<TADOConnection>(nullptr);
        con->SetConnectionString(ConnectionFor(File, "582047"));
        work(con, [&] { (void)!write(fds[1], "n", 1); });
      } catch (...) {
        status = 1;
      }
      _exit(status);  // nothing of the parent's is torn down in the child
    }
    close(fds[1]);
    return {pid, fds[0]};
  }
  static void Kill(pid_t pid, int pipeEnd) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(pipeEnd);
  }
  String IntegrityCheck() {
    OpenWith(Query, "PRAGMA integrity_check");
    return Query->Fields()->GetField(0)->GetAsString();
  }
};

TEST_F(AdoTransactionTest, StatementsBetweenBeginAndCommitTakeEffectTogether) {
  EXPECT_FALSE(Con->InTransaction());
  EXPECT_EQ(Con->BeginTrans(), 1);
  EXPECT_TRUE(Con->InTransaction());
  Run("delete from dat_buy where [id] = 1");
  Run("insert into dat_buy_ls(wpm,ddsj) values('t1','2026-12-11 00:00:00')");
  EXPECT_EQ(Count("dat_buy"), 2) << "the transaction sees its own changes";
  Con->RollbackTrans();
  EXPECT_FALSE(Con->InTransaction());
  EXPECT_EQ(Count("dat_buy"), 3);
  EXPECT_EQ(Count("dat_buy_ls"), 0);

  // Nested: the inner one rolled back, the outer one committed.
  Con->BeginTrans();
  Run("delete from dat_buy where [id] = 1");
  EXPECT_EQ(Con->BeginTrans(), 2);
  Run("delete from dat_buy where [id] = 2");
  Con->RollbackTrans();
  EXPECT_TRUE(Con->InTransaction());
  Con->CommitTrans();
  EXPECT_EQ(Count("dat_buy"), 2);
  OpenWith(Query, "select id from dat_buy");
  EXPECT_EQ(Query->FieldByName("id")->GetAsInteger(), 2);

  for (bool commit : {true, false}) {
    try {
      if (commit) Con->CommitTrans();
      else Con->RollbackTrans();
      ADD_FAILURE() << "ended a transaction that was never begun";
    } catch (const EADOError& e) {
      EXPECT_NE(e.Message().find(DBConsts::SNoActiveTransaction), String::npos);
    }
  }
  // Closing the connection rolls back what was not committed.
  Con->BeginTrans();
  Run("delete from dat_buy");
  Con->Close();
  EXPECT_FALSE(Con->InTransaction());
  EXPECT_EQ(Count("dat_buy"), 2);
}

TEST_F(AdoTransactionTest, AKilledProcessLosesNothingCommittedAndLeavesNothingHalfDone) {
  for (bool commit : {false, true}) {
    SCOPED_TRACE(commit ? "killed after the commit" : "killed before the commit");
    // The sweep's move of a timer into the history, killed while it waits.
    auto [pid, notes] = Child([commit](TADOConnection* con, auto note) {
      con->BeginTrans();
      con->Execute("delete from dat_buy where [id] = 1");
      con->Execute("insert into dat_buy_ls(wpm,ddsj) values('t1','2026-12-11 00:00:00')");
      if (commit) con->CommitTrans();
      note();
      pause();
    });
    char byte = 0;
    ASSERT_EQ(read(notes, &byte, 1), 1) << "the child failed";
    Kill(pid, notes);
    EXPECT_EQ(IntegrityCheck(), "ok");
    EXPECT_EQ(Count("dat_buy"), commit ? 2 : 3);
    EXPECT_EQ(Count("dat_buy_ls"), commit ? 1 : 0);
  }
}

TEST_F(AdoTransactionTest, AReaderReopeningBesideASteadyWriterNeverWaitsForIt) {
  // The writer moves rows in and out as fast as it can, each move a transaction of its own.
  auto [pid, notes] = Child([](TADOConnection* con, auto note) {
    for (int i = 0;; ++i) {
      con->BeginTrans();
      con->Execute(Format("insert into dat_buy(wpm,ddsj) values('w%d','2026-12-11 00:00:00')", {i}));
      con->Execute("delete from dat_buy where [id] = (select min(id) from dat_buy)");
      con->CommitTrans();
      if (i % 50 == 0) note();
    }
  });
  char byte = 0;
  ASSERT_EQ(read(notes, &byte, 1), 1) << "the writer started";
  // The grid refresh: close and open the grid query every 2 ms, for two seconds.
  int reopened = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  try {
    while (std::chrono::steady_clock::now() < end) {
      Query->Close();
      OpenWith(Query, GridQuery);
      EXPECT_EQ(Query->RecordCount(), 3);
      ++reopened;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  } catch (const Exception& e) {
    ADD_FAILURE() << "after " << reopened << " reopenings: " << e.Message();
  }
  int writes = 0;
  while (read(notes, &byte, 1) == 1 && writes < 2) ++writes;
  Kill(pid, notes);
  EXPECT_GT(reopened, 100);
  EXPECT_EQ(writes, 2) << "the writer went on writing meanwhile";
  EXPECT_EQ(IntegrityCheck(), "ok");
}

}  // namespace
