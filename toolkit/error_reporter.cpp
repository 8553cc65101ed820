#include "toolkit/error_reporter.h"

namespace toolkit {

ErrorStatus& ThisThreadErrorStatus() {
  thread_local ErrorStatus status;
  return status;
}

void ErrorReporter::Bind(ErrorStatus& status) {
  std::lock_guard guard(lock_);
  threads_[std::this_thread::get_id()].status = &status;
}

void ErrorReporter::Unbind() {
  std::lock_guard guard(lock_);
  const auto found = threads_.find(std::this_thread::get_id());
  if (found == threads_.end()) return;
  found->second.status = nullptr;
  if (found->second.procedures.empty()) threads_.erase(found);
}

void ErrorReporter::EnterProcedure(std::string_view name) {
  std::lock_guard guard(lock_);
  threads_[std::this_thread::get_id()].procedures.emplace_back(name);
}

void ErrorReporter::LeaveProcedure() {
  std::lock_guard guard(lock_);
  const auto found = threads_.find(std::this_thread::get_id());
  if (found == threads_.end() || found->second.procedures.empty()) return;
  found->second.procedures.pop_back();
  if (found->second.procedures.empty() && found->second.status == nullptr) threads_.erase(found);
}

std::vector<std::string> ErrorReporter::Procedures() const {
  std::lock_guard guard(lock_);
  const auto found = threads_.find(std::this_thread::get_id());
  return found == threads_.end() ? std::vector<std::string>{} : found->second.procedures;
}

std::string ErrorReporter::CurrentProcedure() const {
  std::lock_guard guard(lock_);
  const auto found = threads_.find(std::this_thread::get_id());
  if (found == threads_.end() || found->second.procedures.empty()) return {};
  return found->second.procedures.back();
}

bool ErrorReporter::Report(int code, std::string_view message) {
  std::lock_guard guard(lock_);
  const auto found = threads_.find(std::this_thread::get_id());
  if (found == threads_.end() || found->second.status == nullptr) return false;
  ErrorStatus& status = *found->second.status;
  status.code = code;
  status.message = std::string(message);
  status.procedure = CurrentProcedure();
  return true;
}

}  // namespace toolkit
