# Thin wrapper over the scripts, for those who type make.
.PHONY: all run test clean
all:
	./scripts/build.sh
run:
	./run.sh
test:
	./test.sh
clean:
	rm -rf build
