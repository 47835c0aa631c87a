// Anchor of the simulator library; the radio's side of the link lives beside this file.
