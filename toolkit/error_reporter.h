// The toolkit's error-reporting service, one per process. Each thread binds its error status
// record and keeps a list of the procedures it is in; a report names the current one.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace toolkit {

// The details of a thread's last reported error.
struct ErrorStatus {
  int code = 0;
  std::string message;
  std::string procedure;  // the procedure the thread was in, empty when none
};

// The calling thread's error status record.
ErrorStatus& ThisThreadErrorStatus();

class ErrorReporter {
 public:
  // Binds the calling thread's reports to `status`, which must outlive the binding.
  void Bind(ErrorStatus& status);
  void Unbind();

  // The calling thread enters a procedure; it is the current one until it is left.
  void EnterProcedure(std::string_view name);
  // Leaves the current procedure; nothing happens when the thread is in none.
  void LeaveProcedure();
  // The calling thread's procedures, the current one last.
  std::vector<std::string> Procedures() const;
  // Empty when the thread is in none.
  std::string CurrentProcedure() const;

  // Records an error in the calling thread's bound status, naming its current procedure.
  // False when the thread has bound no record.
  bool Report(int code, std::string_view message);

 private:
  struct ThreadEntry {
    ErrorStatus* status = nullptr;
    std::vector<std::string> procedures;
  };

  mutable std::recursive_mutex lock_;
  std::map<std::thread::id, ThreadEntry> threads_;
};

}  // namespace toolkit
