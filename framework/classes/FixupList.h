#pragma once
// Internal: the list of component references waiting for their target,
// the roots that references may name, and the components whose Loaded
// waits for the end of global loading.
#include <string>
#include <vector>

class TReader;
class TComponent;
class TPersistent;
class TPropInfo;

namespace qrn_fixup {
void Add(TReader* Reader, TComponent* Root, TPersistent* Instance, const TPropInfo* Prop, const std::string& Name);
// Resolves the references of one reader; those that stay open become
// global (resolved by a later GlobalFixupReferences).
void Resolve(TReader* Reader);
void ForgetReader(TReader* Reader);
// Drops references read under Root (when set) or held by Instance.
void RemoveFor(TComponent* Root, TPersistent* Instance);
void AddRoot(TComponent* Root);
void AddGlobalLoaded(const std::vector<TComponent*>& Components);
}  // namespace qrn_fixup
