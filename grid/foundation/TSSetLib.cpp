// The tree engine of the ordered sets: nodes, the node stack, the set list, and balanced insertion,
// removal and copying.
#include "TSSetLib.h"

#include "Exceptions.h"

namespace TSSetLib {

IMPLEMENT_CLASS(TtsSetNode)
IMPLEMENT_CLASS(TtsNodeStack)
IMPLEMENT_CLASS(TtsSetList)
IMPLEMENT_CLASS(TtsCustomSet)

// ---- TtsSetNode ---------------------------------------------------------------------------------------

void TtsSetNode::Assign(TtsSetNode* Source) {
  FLeft = nullptr;
  FRight = nullptr;
  FBalance = Source ? Source->FBalance : 0;
}

Integer TtsSetNode::Release(bool) {
  Free();
  return 0;
}

TtsSetOrder TtsSetNode::Compare(TtsCustomSet*, const void*) { return ordEqual; }

TtsSetOrder TtsSetNode::CompareKey(TtsCustomSet* Set, const void* Key) { return Compare(Set, Key); }

void* TtsSetNode::Value() { return nullptr; }

// ---- TtsNodeStack -------------------------------------------------------------------------------------

Integer TtsNodeStack::Push(TtsSetNode* Node, ShortInt Direction) {
  if (FTop >= GetCapacity()) FItems.resize(static_cast<size_t>(FTop) + 10);
  FItems[static_cast<size_t>(FTop)] = TtsNodeStackElement{Node, Direction};
  return ++FTop;
}

TtsNodeStackElement TtsNodeStack::Pop() {
  if (FTop <= 0) return {};
  return FItems[static_cast<size_t>(--FTop)];
}

TtsNodeStackElement TtsNodeStack::GetItem(Integer Index) const {
  if (Index < 1 || Index > FTop) return {};
  return FItems[static_cast<size_t>(Index - 1)];
}

void TtsNodeStack::Replace(Integer Index, TtsSetNode* Node, ShortInt Direction) {
  if (Index < 1 || Index > FTop) return;
  FItems[static_cast<size_t>(Index - 1)] = TtsNodeStackElement{Node, Direction};
}

// ---- TtsSetList ---------------------------------------------------------------------------------------

void* TtsSetList::GetItems(Integer Index) const {
  if (Index < 1 || Index > GetCount()) return nullptr;
  return FItems[static_cast<size_t>(Index - 1)];
}

void TtsSetList::SetItems(Integer Index, void* Item) {
  if (Index < 1 || Index > GetCount()) return;
  FItems[static_cast<size_t>(Index - 1)] = Item;
}

// ---- TtsCustomSet -------------------------------------------------------------------------------------

void TtsCustomSet::Construct() {
  inherited::Construct();
  FNodeStack = New<TtsNodeStack>();
}

void TtsCustomSet::Destroy() {
  Clear();
  FreeAndNil(FNodeStack);
  inherited::Destroy();
}

TtsSetNode* TtsCustomSet::NewNode(const void*) { return New<TtsSetNode>(); }

TtsSetNode* TtsCustomSet::GetNewNode(const void* Value) {
  TtsSetNode* node = NewNode(Value);
  node->FBalance = 0;
  ++FCount;
  return node;
}

TtsSetNode* TtsCustomSet::CopyNodes(TtsSetNode* Node) {
  if (!Node) return nullptr;
  TtsSetNode* copy = GetNewNode(Node->Value());
  try {
    copy->Assign(Node);
    copy->FLeft = CopyNodes(Node->FLeft);
    copy->FRight = CopyNodes(Node->FRight);
  } catch (...) {
    DestroyNodes(copy);
    throw;
  }
  return copy;
}

void TtsCustomSet::Assign(TtsCustomSet* Source) {
  if (Source == this) return;
  // Nodes held before would otherwise be lost, and their count with them.
  Clear();
  if (!Source) return;
  ++FAssigning;
  try {
    FRoot = CopyNodes(Source->FRoot);
  } catch (...) {
    --FAssigning;
    Clear();
    throw;
  }
  --FAssigning;
}

void TtsCustomSet::DestroyNodes(TtsSetNode* Node) {
  if (!Node) return;
  DestroyNodes(Node->FLeft);
  DestroyNodes(Node->FRight);
  --FCount;
  Node->Release(true);
}

void TtsCustomSet::Clear() {
  TtsSetNode* root = FRoot;
  FRoot = nullptr;
  DestroyNodes(root);
  FCount = 0;
  if (FNodeStack) FNodeStack->Reset();
}

TtsSetNode* TtsCustomSet::GetNode(TtsSetNode* Start, const void* Key) {
  TtsSetNode* node = Start;
  while (node) {
    switch (node->CompareKey(this, Key)) {
      case ordEqual:
        return node;
      case ordSmaller:
        node = node->FLeft;
        break;
      default:
        node = node->FRight;
        break;
    }
  }
  return nullptr;
}

TtsSetList* TtsCustomSet::List() {
  TtsSetList* list = New<TtsSetList>(FCount);
  try {
    PlaceTreeInList(FRoot, list, 1);
  } catch (...) {
    list->Free();
    throw;
  }
  return list;
}

Integer TtsCustomSet::PlaceTreeInList(TtsSetNode* Node, TtsSetList* List, Integer Index) {
  if (!Node) return Index;
  Index = PlaceTreeInList(Node->FLeft, List, Index);
  List->SetItems(Index++, Node->Value());
  return PlaceTreeInList(Node->FRight, List, Index);
}

Integer TtsCustomSet::TreeHeight(TtsSetNode* Node) {
  if (!Node) return 0;
  Integer left = TreeHeight(Node->FLeft);
  Integer right = TreeHeight(Node->FRight);
  return 1 + (left > right ? left : right);
}

bool TtsCustomSet::IsBalanced(TtsSetNode* Node) {
  if (!Node) return true;
  if (!IsBalanced(Node->FLeft) || !IsBalanced(Node->FRight)) return false;
  Integer difference = TreeHeight(Node->FLeft) - TreeHeight(Node->FRight);
  return difference > -2 && difference < 2;
}

// ---- Insertion ------------------------------------------------------------------------------------------
// The balanced insertion keeps only the critical node S (the last node on the path whose balance
// is not 0) and its parent T: below S every node was balanced and leans towards the new node
// afterwards, and only S may need a rotation.

TtsSetNode* TtsCustomSet::SearchNode(const void* Value, TtsSetNode*& Critical, TtsSetNode*& CriticalParent,
                                     bool& Added) {
  TtsSetNode* p = FRoot;
  Critical = FRoot;
  CriticalParent = nullptr;
  Added = false;
  for (;;) {
    TtsSetOrder order = p->Compare(this, Value);
    if (order == ordEqual) return p;
    TtsSetNode* q = order == ordSmaller ? p->FLeft : p->FRight;
    if (!q) {
      q = GetNewNode(Value);
      if (order == ordSmaller) p->FLeft = q;
      else p->FRight = q;
      Added = true;
      return q;
    }
    if (q->FBalance != 0) {
      CriticalParent = p;
      Critical = q;
    }
    p = q;
  }
}

void TtsCustomSet::InsertSetBalance(TtsSetNode* From, TtsSetNode* To, const void* Value) {
  for (TtsSetNode* p = From; p && p != To;) {
    if (p->Compare(this, Value) != ordSmaller) {
      p->FBalance = 1;
      p = p->FRight;
    } else {
      p->FBalance = -1;
      p = p->FLeft;
    }
  }
}

TtsSetNode* TtsCustomSet::RotateSingle(ShortInt A, TtsSetNode* R, TtsSetNode* S) {
  if (A < 0) {
    S->FLeft = R->FRight;
    R->FRight = S;
  } else {
    S->FRight = R->FLeft;
    R->FLeft = S;
  }
  if (R->FBalance != 0) {
    S->FBalance = 0;
    R->FBalance = 0;
  } else {
    S->FBalance = A;
    R->FBalance = static_cast<ShortInt>(-A);
  }
  return R;
}

TtsSetNode* TtsCustomSet::RotateDouble(ShortInt A, TtsSetNode* R, TtsSetNode* S) {
  TtsSetNode* x;
  if (A < 0) {
    x = R->FRight;
    R->FRight = x->FLeft;
    x->FLeft = R;
    S->FLeft = x->FRight;
    x->FRight = S;
  } else {
    x = R->FLeft;
    R->FLeft = x->FRight;
    x->FRight = R;
    S->FRight = x->FLeft;
    x->FLeft = S;
  }
  ShortInt b = x->FBalance;
  if (b == A) {
    S->FBalance = static_cast<ShortInt>(-A);
    R->FBalance = 0;
  } else if (b == 0) {
    S->FBalance = 0;
    R->FBalance = 0;
  } else {
    S->FBalance = 0;
    R->FBalance = A;
  }
  x->FBalance = 0;
  return x;
}

void TtsCustomSet::InsertRebalance(TtsSetNode* S, TtsSetNode* T, ShortInt d) {
  TtsSetNode* r = d < 0 ? S->FLeft : S->FRight;
  if (S->FBalance == 0) {
    S->FBalance = d;
    return;
  }
  if (S->FBalance == -d) {
    S->FBalance = 0;
    return;
  }
  TtsSetNode* top = r->FBalance == d ? RotateSingle(d, r, S) : RotateDouble(d, r, S);
  if (!T) FRoot = top;
  else if (T->FLeft == S) T->FLeft = top;
  else T->FRight = top;
}

TtsSetNode* TtsCustomSet::AddNode(const void* Value) {
  if (!FRoot) {
    FRoot = GetNewNode(Value);
    return FRoot;
  }
  TtsSetNode* critical;
  TtsSetNode* criticalParent;
  bool added;
  TtsSetNode* node = SearchNode(Value, critical, criticalParent, added);
  if (!added) return node;
  ShortInt d = critical->Compare(this, Value) == ordSmaller ? -1 : 1;
  InsertSetBalance(d < 0 ? critical->FLeft : critical->FRight, node, Value);
  InsertRebalance(critical, criticalParent, d);
  return node;
}

// ---- Removal --------------------------------------------------------------------------------------------
// The path from the root is kept on the node stack, each entry with the side the path took; after
// the unlink the stack is walked back up, each entry's side being the one that became lower.

TtsSetNode* TtsCustomSet::TraceElement(const void* Key) {
  TtsSetNode* p = FRoot;
  while (p) {
    TtsSetOrder order = p->CompareKey(this, Key);
    if (order == ordEqual) return p;
    if (order == ordSmaller) {
      FNodeStack->Push(p, -1);
      p = p->FLeft;
    } else {
      FNodeStack->Push(p, 1);
      p = p->FRight;
    }
  }
  return nullptr;
}

TtsSetNode* TtsCustomSet::NextSmallestElement(TtsSetNode* Node) {
  FNodeStack->Push(Node, 1);
  TtsSetNode* p = Node->FRight;
  while (p->FLeft) {
    FNodeStack->Push(p, -1);
    p = p->FLeft;
  }
  return p;
}

void TtsCustomSet::DeleteNode(TtsSetNode* Node) {
  TtsSetNode* child = Node->FLeft ? Node->FLeft : Node->FRight;
  Integer depth = FNodeStack->GetDepth();
  if (depth == 0) {
    FRoot = child;
  } else {
    TtsNodeStackElement top = FNodeStack->GetItem(depth);
    if (top.Direction < 0) top.Node->FLeft = child;
    else top.Node->FRight = child;
  }
  --FCount;
}

void TtsCustomSet::ReplaceNode(TtsSetNode* Removed, TtsSetNode* Successor, Integer StackIndex) {
  if (StackIndex <= 1) {
    FRoot = Successor;
  } else {
    TtsNodeStackElement parent = FNodeStack->GetItem(StackIndex - 1);
    if (parent.Direction < 0) parent.Node->FLeft = Successor;
    else parent.Node->FRight = Successor;
  }
  Successor->FLeft = Removed->FLeft;
  Successor->FRight = Removed->FRight;
  Successor->FBalance = Removed->FBalance;
  FNodeStack->Replace(StackIndex, Successor, FNodeStack->GetItem(StackIndex).Direction);
}

void TtsCustomSet::ReplaceChildOf(Integer Depth, TtsSetNode* N, TtsSetNode* Child) {
  if (Depth <= 1) {
    FRoot = Child;
    return;
  }
  TtsNodeStackElement parent = FNodeStack->GetItem(Depth - 1);
  if (parent.Node->FLeft == N) parent.Node->FLeft = Child;
  else parent.Node->FRight = Child;
}

// Answers whether the subtree of N became lower (the walk up goes on).
bool TtsCustomSet::RotateRebalance(TtsSetNode* N, ShortInt Dir) {
  ShortInt a = static_cast<ShortInt>(-Dir);
  TtsSetNode* r = Dir > 0 ? N->FLeft : N->FRight;
  Integer depth = FNodeStack->GetDepth();
  if (r->FBalance != 0 && r->FBalance != a) {
    ReplaceChildOf(depth, N, RotateDouble(a, r, N));
    return true;
  }
  bool lower = r->FBalance != 0;
  ReplaceChildOf(depth, N, RotateSingle(a, r, N));
  return lower;
}

void TtsCustomSet::RemoveRebalance() {
  while (FNodeStack->GetDepth() > 0) {
    TtsNodeStackElement top = FNodeStack->GetItem(FNodeStack->GetDepth());
    TtsSetNode* n = top.Node;
    if (n->FBalance == 0) {
      n->FBalance = static_cast<ShortInt>(-top.Direction);
      return;
    }
    if (n->FBalance == top.Direction) {
      n->FBalance = 0;
    } else if (!RotateRebalance(n, top.Direction)) {
      return;
    }
    FNodeStack->Pop();
  }
}

TtsSetNode* TtsCustomSet::RemoveNode(const void* Key) {
  FNodeStack->Reset();
  TtsSetNode* d = TraceElement(Key);
  if (!d) {
    FNodeStack->Reset();
    return nullptr;
  }
  TtsSetNode* e = d;
  Integer k = 0;
  if (d->FLeft && d->FRight) {
    k = FNodeStack->GetDepth() + 1;
    e = NextSmallestElement(d);
  }
  DeleteNode(e);
  if (e != d) ReplaceNode(d, e, k);
  RemoveRebalance();
  FNodeStack->Reset();
  d->FLeft = nullptr;
  d->FRight = nullptr;
  return d;
}

}  // namespace TSSetLib
